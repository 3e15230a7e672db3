// The walker: a small figure in a red coat, knitted hat and striped scarf,
// drawn facing +x from a pose of joint angles.
#pragma once

#include "sprite.h"

// Angles in radians. Legs are measured from straight down in the world,
// arms from straight down along the torso; positive turns towards the face.
struct Limb {
    float upper = 0, lower = 0;
};

struct Pose {
    float lean = 0;      // torso tilt, positive forwards
    float headTilt = 0;  // positive nods down, negative looks up
    Limb backLeg, frontLeg, backArm, frontArm;
    float scarfLift = 0;  // 0 hangs, 1 streams straight back
    float scarfWave = 0;  // phase of the scarf's wave
    float turn = 0;       // 0 profile; up to 1 turned towards the viewer
    float hipShift = 0;   // moves the figure along x in its cell
    bool mouthOpen = false;
    bool eyesClosed = false;
    bool breathPuff = false;  // a cloud of breath in front of the face
    bool clapPuff = false;    // snow dust between the mittens
    bool flakeOnTongue = false;
    bool snowSpray = false;   // snow thrown up around a lying figure
    bool seated = false;      // rests on the seat instead of the boots
};

// 44x44, feet (or seat) on the bottom row.
Sprite DrawWalker(const Pose& pose);

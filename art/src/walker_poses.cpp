#include "walker_poses.h"

#include <cmath>

namespace {

constexpr float kDeg = 3.14159265f / 180.0f;

Limb L(float upperDeg, float lowerDeg) { return {upperDeg * kDeg, lowerDeg * kDeg}; }

// Standing with a short stride: also the pose the walker rests in.
Pose Stride(float amount, bool frontAhead) {
    Pose p;
    const float s = frontAhead ? amount : -amount;
    p.frontLeg = L(s, s - (s < 0 ? 18 : 0));
    p.backLeg = L(-s, -s - (s > 0 ? 18 : 0));
    p.frontArm = L(-s * 1.1f, -s * 1.1f + 25);
    p.backArm = L(s * 1.1f, s * 1.1f + 25);
    p.scarfLift = 0.2f;
    return p;
}

Pose Run(bool frontAhead) {
    Pose p;
    p.lean = 16 * kDeg;
    p.headTilt = -8 * kDeg;
    if (frontAhead) {
        p.frontLeg = L(45, 10);
        p.backLeg = L(-30, -80);
    } else {
        p.frontLeg = L(-30, -80);
        p.backLeg = L(45, 10);
    }
    p.frontArm = frontAhead ? L(-45, 40) : L(50, 110);
    p.backArm = frontAhead ? L(50, 110) : L(-45, 40);
    p.scarfLift = 0.9f;
    p.scarfWave = frontAhead ? 0.0f : 2.0f;
    return p;
}

Pose LookUp(float amount) {  // 0..1: head back, arms open to catch flakes
    Pose p = Stride(8, true);
    p.headTilt = -42 * kDeg * amount;
    p.lean = -8 * kDeg * amount;
    p.frontArm = L(25 + 30 * amount, 60 + 40 * amount);
    p.backArm = L(20 + 20 * amount, 50 + 40 * amount);
    p.mouthOpen = amount > 0.9f;
    p.flakeOnTongue = amount > 0.9f;
    return p;
}

Pose Wave(int phase) {  // 0 raise, 1 and 2 the two ends of the wave
    Pose p = Stride(6, true);
    p.turn = 0.6f;
    p.backArm = L(8, 14);
    const float forearm[] = {120, 140, 178};
    p.frontArm = L(phase == 0 ? 100 : 125, forearm[phase]);
    p.mouthOpen = phase != 0;
    return p;
}

Pose Stamp(bool frontUp) {
    Pose p;
    p.frontLeg = frontUp ? L(80, 5) : L(2, 0);
    p.backLeg = frontUp ? L(-2, 0) : L(75, -5);
    p.frontArm = L(70, 150);  // arms wrapped round the coat
    p.backArm = L(60, 140);
    p.headTilt = 10 * kDeg;
    p.eyesClosed = true;
    p.hipShift = frontUp ? 0.5f : -0.5f;
    return p;
}

Pose WarmHands(bool puff) {
    Pose p = Stride(6, true);
    p.headTilt = puff ? 0 : 6 * kDeg;
    p.frontArm = L(55, 165);
    p.backArm = L(45, 160);
    p.breathPuff = puff;
    p.eyesClosed = !puff;
    return p;
}

Pose Jump(int phase) {
    Pose p;
    p.scarfLift = 0.9f;
    switch (phase) {
        case 0:  // take-off: stretched, one knee driving up
            p.lean = 12 * kDeg;
            p.frontLeg = L(70, 10);
            p.backLeg = L(-25, -40);
            p.frontArm = L(150, 150);
            p.backArm = L(120, 130);
            p.headTilt = -15 * kDeg;
            break;
        case 1:  // top: knees tucked, arms up
            p.lean = 5 * kDeg;
            p.frontLeg = L(85, -20);
            p.backLeg = L(60, -35);
            p.frontArm = L(160, 175);
            p.backArm = L(140, 160);
            p.mouthOpen = true;
            p.headTilt = -10 * kDeg;
            p.scarfWave = 1.5f;
            break;
        default:  // coming down: legs reach for the ground, arms out
            p.lean = 4 * kDeg;
            p.frontLeg = L(35, 15);
            p.backLeg = L(-15, -35);
            p.frontArm = L(115, 95);
            p.backArm = L(-110, -95);
            p.scarfLift = 0.6f;
            p.scarfWave = 3.0f;
            break;
    }
    return p;
}

Pose Clap(bool together) {
    Pose p = Stride(4, true);
    p.turn = 0.4f;
    if (together) {
        p.frontArm = L(85, 85);
        p.backArm = L(80, 95);
        p.clapPuff = true;
        p.mouthOpen = true;
    } else {
        p.frontArm = L(55, 25);
        p.backArm = L(100, 150);
    }
    return p;
}

Pose Sit(int phase) {  // 0 crouching down, 1 sitting, 2 sitting and kicking
    Pose p;
    switch (phase) {
        case 0:
            p.lean = 12 * kDeg;
            p.frontLeg = L(80, -5);
            p.backLeg = L(70, -10);
            p.frontArm = L(70, 80);
            p.backArm = L(60, 70);
            break;
        case 1:
            p.lean = -10 * kDeg;
            p.frontLeg = L(90, 80);
            p.backLeg = L(85, 75);
            p.frontArm = L(-35, -20);
            p.backArm = L(-30, -15);
            p.seated = true;
            break;
        default:
            p.lean = -22 * kDeg;
            p.frontLeg = L(110, 130);
            p.backLeg = L(70, 40);
            p.frontArm = L(-45, -30);
            p.backArm = L(-40, -25);
            p.mouthOpen = true;
            p.seated = true;
            break;
    }
    return p;
}

Pose SnowAngel(int phase) {  // 0 sitting back, 1 lying, 2 and 3 arms and legs sweeping
    Pose p;
    p.seated = true;
    // Lying down the figure is long: keep its hat inside the cell.
    p.hipShift = phase == 0 ? 3.0f : 6.5f;
    switch (phase) {
        case 0:
            p.lean = -40 * kDeg;
            p.frontLeg = L(95, 90);
            p.backLeg = L(90, 85);
            p.frontArm = L(-20, -10);
            p.backArm = L(-25, -15);
            break;
        case 1:
            p.lean = -88 * kDeg;
            p.frontLeg = L(92, 92);
            p.backLeg = L(90, 90);
            p.frontArm = L(10, 10);
            p.backArm = L(5, 5);
            p.eyesClosed = true;
            break;
        case 2:
            p.lean = -88 * kDeg;
            p.frontLeg = L(70, 70);
            p.backLeg = L(95, 95);
            p.frontArm = L(150, 160);
            p.backArm = L(120, 130);
            p.mouthOpen = true;
            p.snowSpray = true;
            break;
        default:
            p.lean = -88 * kDeg;
            p.frontLeg = L(95, 95);
            p.backLeg = L(80, 80);
            p.frontArm = L(60, 70);
            p.backArm = L(40, 45);
            p.mouthOpen = true;
            break;
    }
    return p;
}

Pose Slide(bool low) {  // spare: sliding on one boot
    Pose p;
    p.lean = low ? 10 * kDeg : 4 * kDeg;
    p.frontLeg = L(30, 20);
    p.backLeg = L(-35, -60);
    p.frontArm = L(100, 90);
    p.backArm = L(-80, -60);
    p.scarfLift = 1.0f;
    p.mouthOpen = true;
    return p;
}

}  // namespace

Pose WalkerPose(int entry) {
    switch (entry) {
        case 29: return Stride(22, true);
        case 30: {
            Pose p = Stride(22, false);
            p.scarfWave = 2.0f;
            return p;
        }
        case 31: return Run(true);
        case 32: return Run(false);
        case 33: return LookUp(0.35f);
        case 34: return LookUp(0.7f);
        case 35: return LookUp(1.0f);
        case 36: return Wave(0);
        case 37: return Wave(1);
        case 38: return Wave(2);
        case 39: {  // spare: standing, turned to the viewer
            Pose p = Stride(3, true);
            p.turn = 0.8f;
            return p;
        }
        case 40: return Slide(false);
        case 41: return Slide(true);
        case 42: return Stamp(true);
        case 43: return Stamp(false);
        case 44: return WarmHands(false);
        case 45: return WarmHands(true);
        case 46: return Jump(0);
        case 47: return Jump(1);
        case 48: return Jump(2);
        case 49: return Clap(false);
        case 50: return Clap(true);
        case 51: return Sit(0);
        case 52: return Sit(1);
        case 53: return Sit(2);
        case 54: return SnowAngel(0);
        case 55: return SnowAngel(1);
        case 56: return SnowAngel(2);
        case 57: return SnowAngel(3);
        default: {  // 58 and 59: the turn, facing the viewer half way
            Pose p = Stride(3, true);
            p.turn = 0.9f;
            return p;
        }
    }
}

Sprite WalkerFrame(int entry) {
    if (entry < 29) return WalkerFrame(entry + 29).Mirrored();
    // The turn frames: 59 is still turned towards +x, 58 towards -x.
    if (entry == 58) return WalkerFrame(59).Mirrored();
    return DrawWalker(WalkerPose(entry));
}

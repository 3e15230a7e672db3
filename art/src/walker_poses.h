// The walker's 60 frames, as the saver's animations show them.
#pragma once

#include "sprite.h"
#include "walker_figure.h"

// Pose of a row 1 entry (29..57, facing +x) or of a turn frame (58, 59).
Pose WalkerPose(int entry);

// The 44x44 picture of entry 0..59: row 0 mirrors row 1.
Sprite WalkerFrame(int entry);

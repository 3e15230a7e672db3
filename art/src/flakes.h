// The three snowflake images, 7x8 each.
#pragma once

#include "sprite.h"

// Kind 1: large and bright (front); 2: medium; 3: small and faint (far).
Sprite FlakeImage(int kind);

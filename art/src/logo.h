// The product name for the top right of the screen, 193x38.
#pragma once

#include "sprite.h"

Sprite LogoImage();

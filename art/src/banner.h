// The settings dialog's 250x55 picture: the name over a small winter night.
#pragma once

#include "rgba_image.h"

RgbaImage PaintBanner();

// The programs' icon: a snowflake over a night sky with the moon.
#pragma once

#include "rgba_image.h"

RgbaImage PaintIcon(int size);

// PNG and JPEG through stb_image_write, into memory.
#pragma once

#include "byte_writer.h"
#include "rgba_image.h"

Bytes EncodePng(const RgbaImage& image);
// The colour channels only; alpha is dropped.
Bytes EncodeJpeg(const RgbaImage& image, int quality);

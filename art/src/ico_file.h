// Windows icon files: small sizes as 32-bit DIBs, 256 px as PNG.
#pragma once

#include <vector>

#include "byte_writer.h"
#include "rgba_image.h"

// Each image square; 256 px (or larger) images are stored as PNG.
Bytes EncodeIco(const std::vector<RgbaImage>& images);

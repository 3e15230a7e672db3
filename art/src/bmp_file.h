// Windows bitmap files: 8 bits per pixel with a 256-entry colour table.
#pragma once

#include "byte_writer.h"
#include "dither.h"
#include "palette.h"

// File header, 40-byte info header, the palette, then the rows bottom-up,
// each padded to four bytes. The colour table starts at offset 54.
Bytes EncodeBmp8(const IndexedPicture& picture, const Palette& palette);

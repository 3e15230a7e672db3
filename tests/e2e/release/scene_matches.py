#!/usr/bin/env python3
"""scene_matches.py SCREEN.ppm Data1.Bin Data2.Bin

Exit 0 when a 640x480 screen capture shows the scene painted from these
pictures: the logo, drawn last over everything, matches the sprite sheet's
logo pixel for pixel, and the panorama matches Data1.Bin at some scroll
offset apart from the flakes and the walker in front of it."""
import struct
import sys

SCREEN_W, SCREEN_H = 640, 480
LOGO_SOURCE = (466, 92, 193, 38)  # left, top, width, height in Data2.Bin
LOGO_AT = (410, 18)
KEY = (0, 0, 255)
TOLERANCE = 8  # per channel: 16-bit display modes round colours
# Rows above the walker and below the logo, every fourth column.
PANORAMA_ROWS = range(64, 392, 12)
PANORAMA_COLUMNS = range(0, SCREEN_W, 4)


class Picture:
    """Rows of pixels, read on demand: pixel(x, y) -> (r, g, b)."""

    def __init__(self, width, height, pixel):
        self.width, self.height, self.pixel = width, height, pixel


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    if magic != b"P6" or maxval != 255:
        raise ValueError(f"{path}: not an 8-bit P6 picture")
    pixels = data[pos + 1:]

    def pixel(x, y):
        i = (y * width + x) * 3
        return tuple(pixels[i:i + 3])
    return Picture(width, height, pixel)


def read_bmp(path):
    """Uncompressed 8-, 24- or 32-bit Windows bitmap."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(f"{path}: not a bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if compression not in (0, 3) or bits not in (8, 24, 32):
        raise ValueError(f"{path}: {bits}-bit bitmaps with compression {compression} not read")
    stride = (width * bits // 8 + 3) & ~3
    rows = abs(height)

    def row_start(y):
        return offset + (rows - 1 - y if height > 0 else y) * stride

    if bits == 8:
        colours = struct.unpack_from("<I", data, 46)[0] or 256
        base = 14 + header_size
        palette = [(data[base + 4 * i + 2], data[base + 4 * i + 1], data[base + 4 * i])
                   for i in range(colours)]

        def pixel(x, y):
            return palette[data[row_start(y) + x]]
    else:
        step = bits // 8

        def pixel(x, y):
            i = row_start(y) + x * step
            return data[i + 2], data[i + 1], data[i]
    return Picture(width, rows, pixel)


def close(a, b):
    return all(abs(p - q) <= TOLERANCE for p, q in zip(a, b))


def logo_match(screen, sheet):
    left, top, width, height = LOGO_SOURCE
    drawn = matched = 0
    for y in range(height):
        for x in range(width):
            colour = sheet.pixel(left + x, top + y)
            if colour == KEY:
                continue
            drawn += 1
            matched += close(colour, screen.pixel(LOGO_AT[0] + x, LOGO_AT[1] + y))
    return matched, drawn


def panorama_match(screen, panorama, scroll, rows, columns):
    matched = total = 0
    for y in rows:
        for x in columns:
            total += 1
            matched += close(screen.pixel(x, y), panorama.pixel(x + scroll, y))
    return matched / total


def best_scroll(screen, panorama):
    offsets = range(panorama.width - SCREEN_W + 1)
    coarse = sorted(offsets, reverse=True, key=lambda s: panorama_match(
        screen, panorama, s, PANORAMA_ROWS[::8], PANORAMA_COLUMNS[::2]))
    return max(((panorama_match(screen, panorama, s, PANORAMA_ROWS, PANORAMA_COLUMNS), s)
                for s in coarse[:8]))


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    screen = read_ppm(sys.argv[1])
    if (screen.width, screen.height) != (SCREEN_W, SCREEN_H):
        print(f"screen is {screen.width}x{screen.height}, not {SCREEN_W}x{SCREEN_H}")
        return 1
    panorama = read_bmp(sys.argv[2])
    sheet = read_bmp(sys.argv[3])

    matched, drawn = logo_match(screen, sheet)
    share, scroll = best_scroll(screen, panorama)
    print(f"logo: {matched} of {drawn} pixels match; "
          f"panorama: {share:.1%} of sampled pixels match at scroll {scroll}")
    return 0 if drawn and matched >= 0.99 * drawn and share >= 0.85 else 1


if __name__ == "__main__":
    sys.exit(main())

"""Pictures for the end-to-end tests: screen captures and bitmap files as
plain RGB arrays, and the comparisons the tests make on them."""

import subprocess


class Picture:
    """Width, height and RGB bytes, row by row from the top."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return self.rgb[i], self.rgb[i + 1], self.rgb[i + 2]


def _parse_ppm(data):
    # P6, width, height, maxval, then one whitespace byte and the pixels.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError("not an 8-bit PPM")
    width, height = int(fields[1]), int(fields[2])
    return Picture(width, height, data[pos + 1:pos + 1 + 3 * width * height])


def read_bitmap(path):
    """A Windows bitmap file, whatever its extension."""
    return _parse_ppm(subprocess.run(["convert", "bmp:" + path, "-depth", "8", "ppm:-"],
                                     check=True, capture_output=True).stdout)


def capture(display):
    """The whole X screen, as the user sees it."""
    return _parse_ppm(subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", "ppm:-"],
                                     check=True, capture_output=True).stdout)


def matching_fraction(screen, picture, screen_box, picture_origin, skip=lambda x, y: False):
    """Share of pixels in screen_box (x0, y0, x1, y1) equal to the picture's
    pixels at the same offset from picture_origin; skip(x, y) leaves screen
    pixels out."""
    x0, y0, x1, y1 = screen_box
    px, py = picture_origin
    same = total = 0
    for y in range(y0, y1):
        for x in range(x0, x1):
            if skip(x, y):
                continue
            total += 1
            if screen.pixel(x, y) == picture.pixel(px + x - x0, py + y - y0):
                same += 1
    return same / total if total else 0.0


def best_scroll(screen, panorama, row=240):
    """The panorama's x shown at screen x 0, judged by one row."""
    best, best_score = 0, -1
    screen_row = screen.rgb[3 * row * screen.width:3 * (row + 1) * screen.width]
    for scroll in range(0, panorama.width - screen.width + 1):
        start = 3 * (row * panorama.width + scroll)
        candidate = panorama.rgb[start:start + 3 * screen.width]
        score = sum(1 for i in range(0, len(screen_row), 3) if screen_row[i:i + 3] == candidate[i:i + 3])
        if score > best_score:
            best, best_score = scroll, score
    return best


BLUE = (0, 0, 255)


def sprite_pixels(sheet, box):
    """The non-blue pixels of a region of the sprite sheet: (dx, dy, rgb)."""
    x0, y0, x1, y1 = box
    return [(x - x0, y - y0, sheet.pixel(x, y))
            for y in range(y0, y1) for x in range(x0, x1) if sheet.pixel(x, y) != BLUE]


def count_sprites(screen, pixels, box):
    """How many places in box (x0, y0, x1, y1) show every pixel of a sprite."""
    x0, y0, x1, y1 = box
    if not pixels:
        return 0
    (fx, fy, first), rest = pixels[0], pixels[1:]
    found = 0
    for y in range(y0, y1):
        for x in range(x0, x1):
            if screen.pixel(x + fx, y + fy) != first:
                continue
            if all(screen.pixel(x + dx, y + dy) == rgb for dx, dy, rgb in rest):
                found += 1
    return found


def crop(picture, x0, y0, width, height):
    rows = [picture.rgb[3 * (y * picture.width + x0):3 * (y * picture.width + x0 + width)]
            for y in range(y0, y0 + height)]
    return Picture(width, height, b"".join(rows))

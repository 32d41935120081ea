#!/usr/bin/env python3
"""Draws the calibration dialog's icon: two yellow rulers with black tick marks crossing at
right angles on a light-grey square, with no transparent area.

Writes, beside this script:
  kalibrering.ico      one icon file with a 32 x 32 and a 16 x 16 image, 16 colours each
  kalibrering.png      the 32 x 32 image, for looking at
  kalibrering_16.png   the 16 x 16 image, for looking at

Standard library only. Run it again after changing the drawing below:
  python3 resources/calibration/kalibrering_ikon.py
"""

import os
import struct
import zlib

# The classic 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, LIGHT_GREY, YELLOW, WHITE = 0, 8, 7, 11, 15


def ruler(img, size, x0, y0, length, thickness, horizontal, tick_gap, short, long):
    """A yellow ruler with a black outline and ticks along its first long edge."""
    for i in range(length):
        for j in range(thickness):
            x, y = (x0 + i, y0 + j) if horizontal else (x0 + j, y0 + i)
            edge = i in (0, length - 1) or j in (0, thickness - 1)
            img[y][x] = BLACK if edge else YELLOW
    # A lighter line just inside the outline gives the ruler a little depth.
    for i in range(1, length - 1):
        x, y = (x0 + i, y0 + thickness - 2) if horizontal else (x0 + thickness - 2, y0 + i)
        if img[y][x] == YELLOW:
            img[y][x] = WHITE if thickness > 5 else YELLOW
    # Tick marks from the first edge inwards; every second one is long.
    n = 0
    for i in range(tick_gap, length - 1, tick_gap):
        depth = long if n % 2 == 0 else short
        for j in range(1, 1 + depth):
            x, y = (x0 + i, y0 + j) if horizontal else (x0 + j, y0 + i)
            img[y][x] = BLACK
        n += 1


def draw(size):
    img = [[LIGHT_GREY] * size for _ in range(size)]
    if size == 32:
        # A thin dark rim so that the square reads as a tile on a light background.
        for k in range(size):
            img[0][k] = img[size - 1][k] = img[k][0] = img[k][size - 1] = GREY
        ruler(img, size, 2, 17, 28, 9, True, 3, 2, 4)   # lying ruler, lower half
        ruler(img, size, 6, 2, 28, 9, False, 3, 2, 4)   # standing ruler, on top
    else:
        ruler(img, size, 1, 8, 14, 6, True, 2, 1, 2)
        ruler(img, size, 3, 1, 14, 6, False, 2, 1, 2)
    return img


def bmp_4bit(img):
    """The icon directory's image: BITMAPINFOHEADER, palette, 4-bit pixels, AND mask."""
    size = len(img)
    xor_row = ((size * 4 + 31) // 32) * 4
    and_row = ((size + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         (xor_row + and_row) * size, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    pixels = bytearray()
    for y in range(size - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(0, size, 2):
            row.append((img[y][x] << 4) | img[y][x + 1])
        row.extend(b'\0' * (xor_row - len(row)))
        pixels.extend(row)
    mask = b'\0' * (and_row * size)  # every pixel opaque
    return header + palette + bytes(pixels) + mask


def write_ico(path, images):
    entries = b''
    data = b''
    offset = 6 + 16 * len(images)
    for img in images:
        blob = bmp_4bit(img)
        size = len(img)
        entries += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(blob), offset)
        data += blob
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries + data)


def write_png(path, img):
    size = len(img)
    raw = b''.join(b'\0' + bytes(c for x in range(size) for c in PALETTE[img[y][x]])
                   for y in range(size))

    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body +
                struct.pack('>I', zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(raw, 9)))
        f.write(chunk(b'IEND', b''))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    big, small = draw(32), draw(16)
    write_ico(os.path.join(here, 'kalibrering.ico'), [big, small])
    write_png(os.path.join(here, 'kalibrering.png'), big)
    write_png(os.path.join(here, 'kalibrering_16.png'), small)


if __name__ == '__main__':
    main()

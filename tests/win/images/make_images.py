#!/usr/bin/env python3
"""Writes the images of the controls suite: a 16 x 16 icon and a
16 x 16 bitmap, each with plain colours whose pixels the tests look for.

  button.ico  24-bit, opaque: red, with a blue top-left pixel.
  button.bmp  8-bit with a colour table (so a colour can be mapped):
              magenta (the mask colour) with a green 8 x 8 square at (4, 4).
  tools.bmp   a toolbar's four 16 x 15 images side by side, 8-bit: light
              grey (the button face) with a square of red, green, blue and
              yellow in the middle of each.

Run it from this folder; the files are committed beside it."""
import struct

SIZE = 16
RED, BLUE = (255, 0, 0), (0, 0, 255)
MAGENTA, GREEN = (255, 0, 255), (0, 128, 0)


def icon_pixel(x, y):
    return BLUE if (x, y) == (0, 0) else RED


def bitmap_index(x, y):
    return 1 if 4 <= x < 12 and 4 <= y < 12 else 0


def info_header(width, height, bits, colours=0, image_bytes=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_bytes,
                       0, 0, colours, 0)


def write_icon(path):
    xor = b''
    for y in reversed(range(SIZE)):  # bottom-up
        for x in range(SIZE):
            r, g, b = icon_pixel(x, y)
            xor += bytes((b, g, r))
    mask = bytes(4 * SIZE)  # 1 bit a pixel, rows padded to 4 bytes: all opaque
    image = info_header(SIZE, 2 * SIZE, 24, image_bytes=len(xor) + len(mask)) + xor + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, 'wb') as out:
        out.write(directory + entry + image)


def write_bitmap(path):
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in (MAGENTA, GREEN))
    rows = b''
    for y in reversed(range(SIZE)):
        rows += bytes(bitmap_index(x, y) for x in range(SIZE))  # 16 bytes: no padding
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    with open(path, 'wb') as out:
        out.write(header + info_header(SIZE, SIZE, 8, colours=2, image_bytes=len(rows)) +
                  palette + rows)


def write_tools(path):
    face, squares = (192, 192, 192), [(255, 0, 0), (0, 128, 0), (0, 0, 255), (255, 255, 0)]
    colours = [face] + squares
    width, height = 16 * len(squares), 15
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in colours)
    rows = b''
    for y in reversed(range(height)):
        for x in range(width):
            inside = 4 <= x % 16 < 12 and 4 <= y < 11
            rows += bytes((1 + x // 16 if inside else 0,))
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    with open(path, 'wb') as out:
        out.write(header + info_header(width, height, 8, colours=len(colours),
                                       image_bytes=len(rows)) + palette + rows)


write_icon('button.ico')
write_bitmap('button.bmp')
write_tools('tools.bmp')

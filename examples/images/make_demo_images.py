#!/usr/bin/env python3
"""Writes the controls demo's pictures, drawn here from simple shapes:

  print.ico  16 x 16, 24-bit with a transparency mask: a small printer.
  stop.bmp   16 x 16, 8-bit with a colour table: a red disc on magenta,
             the colour the demo's masked bitmap leaves out.

Run it from this folder; the files are committed beside it."""
import struct

SIZE = 16
DARK, GREY, WHITE, RED, MAGENTA = (64, 64, 64), (160, 160, 160), (255, 255, 255), (200, 0, 0), \
    (255, 0, 255)


def printer_pixel(x, y):
    """A colour, or None where the icon is transparent."""
    if 4 <= x <= 11 and 1 <= y <= 6:
        return WHITE if 5 <= x <= 10 and y >= 2 else DARK  # paper in, frame round it
    if 1 <= x <= 14 and 6 <= y <= 11:
        return DARK if y in (6, 11) or x in (1, 14) else GREY  # the body
    if 4 <= x <= 11 and 11 <= y <= 14:
        return DARK if y == 14 or x in (4, 11) else WHITE  # the page coming out
    return None


def disc_index(x, y):
    dx, dy = x - 7.5, y - 7.5
    return 1 if dx * dx + dy * dy <= 6.5 * 6.5 else 0


def info_header(width, height, bits, colours=0, image_bytes=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_bytes, 0, 0,
                       colours, 0)


def write_icon(path):
    xor, mask = b'', b''
    for y in reversed(range(SIZE)):  # bottom-up
        bits = 0
        for x in range(SIZE):
            colour = printer_pixel(x, y)
            r, g, b = colour or (0, 0, 0)
            xor += bytes((b, g, r))
            if colour is None:
                bits |= 1 << (15 - x)  # a set mask bit lets the background through
        mask += struct.pack('>H', bits) + bytes(2)  # rows padded to 4 bytes
    image = info_header(SIZE, 2 * SIZE, 24, image_bytes=len(xor) + len(mask)) + xor + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, 'wb') as out:
        out.write(directory + entry + image)


def write_bitmap(path):
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in (MAGENTA, RED))
    rows = b''.join(bytes(disc_index(x, y) for x in range(SIZE)) for y in reversed(range(SIZE)))
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    with open(path, 'wb') as out:
        out.write(header + info_header(SIZE, SIZE, 8, colours=2, image_bytes=len(rows)) +
                  palette + rows)


write_icon('print.ico')
write_bitmap('stop.bmp')

#!/usr/bin/env python3
"""Writes the controls demo's pictures, drawn here from simple shapes:

  print.ico  16 x 16, 24-bit with a transparency mask: a small printer.
  stop.bmp   16 x 16, 8-bit with a colour table: a red disc on magenta,
             the colour the demo's masked bitmap leaves out.
  toolbar.bmp  the sign demo's toolbar: eight 16 x 15 images side by side
             (zoom in, zoom out, zoom out fully, fit width, fit height, fit
             both, print preview, print), 8-bit on the light grey that the
             toolbar turns into the system's button face.

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


# ---- the toolbar ------------------------------------------------------------

TOOL_W, TOOL_H = 16, 15
FACE, BLACK, SHADOW, BLUE, PAGE = (192, 192, 192), (0, 0, 0), (128, 128, 128), (0, 0, 160), \
    (255, 255, 255)
TOOL_COLOURS = (FACE, BLACK, SHADOW, BLUE, PAGE, RED)


def magnifier(x, y, sign):
    """A lens (centre 6, 6) with a handle, holding '+', '-' or a square."""
    dx, dy = x - 6, y - 6
    d2 = dx * dx + dy * dy
    if 16 <= d2 <= 26:
        return BLACK
    if d2 < 16:
        if sign in ('+', '-') and y == 6 and 4 <= x <= 8:
            return BLUE
        if sign == '+' and x == 6 and 4 <= y <= 8:
            return BLUE
        if sign == 'all' and 4 <= x <= 8 and 4 <= y <= 8 and (x in (4, 8) or y in (4, 8)):
            return BLUE
        return PAGE
    if 9 <= x <= 13 and 9 <= y <= 13 and abs((x - 9) - (y - 9)) <= 1:
        return SHADOW if x + y > 23 else BLACK
    return None


def arrows(x, y, horizontal, vertical):
    """Double arrows across a frame's middle."""
    if (x in (1, 14) and 1 <= y <= 13) or (y in (1, 13) and 1 <= x <= 14):
        return SHADOW
    if horizontal and y == 7 and 3 <= x <= 12:
        return BLUE
    if horizontal and abs(y - 7) == 1 and x in (4, 11):
        return BLUE
    if vertical and x == 7 and 3 <= y <= 11:
        return BLUE
    if vertical and abs(x - 7) == 1 and y in (4, 10):
        return BLUE
    return None


def preview(x, y):
    """A page with a small lens on it."""
    lens = magnifier(x - 5, y - 4, '') if x >= 5 and y >= 4 else None
    if lens is not None and lens != PAGE:
        return lens
    if 2 <= x <= 10 and 1 <= y <= 13:
        if x in (2, 10) or y in (1, 13):
            return BLACK
        return SHADOW if y % 3 == 0 and x < 8 else PAGE
    return None


def printer(x, y):
    colour = printer_pixel(x, y)
    return None if colour is None else (BLACK if colour == DARK else SHADOW if colour == GREY
                                        else PAGE)


TOOLS = [
    lambda x, y: magnifier(x, y, '+'),
    lambda x, y: magnifier(x, y, '-'),
    lambda x, y: magnifier(x, y, 'all'),
    lambda x, y: arrows(x, y, True, False),
    lambda x, y: arrows(x, y, False, True),
    lambda x, y: arrows(x, y, True, True),
    preview,
    printer,
]


def write_toolbar(path):
    width = TOOL_W * len(TOOLS)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in TOOL_COLOURS)
    rows = b''
    for y in reversed(range(TOOL_H)):  # bottom-up; 128 bytes a row, no padding
        for x in range(width):
            colour = TOOLS[x // TOOL_W](x % TOOL_W, y) or FACE
            rows += bytes((TOOL_COLOURS.index(colour),))
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    with open(path, 'wb') as out:
        out.write(header + info_header(width, TOOL_H, 8, colours=len(TOOL_COLOURS),
                                       image_bytes=len(rows)) + palette + rows)


write_icon('print.ico')
write_bitmap('stop.bmp')
write_toolbar('toolbar.bmp')

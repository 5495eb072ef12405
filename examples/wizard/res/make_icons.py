#!/usr/bin/env python3
"""Writes the wizard example's icons, drawn here from simple shapes:

  Wizard.ico     32 x 32, 24-bit with a transparency mask: a pen on a page.
  WizardDoc.ico  32 x 32, the page alone.

Run it from this folder; the files are committed beside it."""
import struct

SIZE = 32
INK, PAGE, EDGE, PEN = (40, 40, 120), (255, 255, 255), (96, 96, 96), (200, 120, 0)


def page_pixel(x, y):
    """A colour, or None where the icon is transparent."""
    if 6 <= x <= 25 and 2 <= y <= 29:
        if x in (6, 25) or y in (2, 29):
            return EDGE
        if y in (9, 14, 19, 24) and 9 <= x <= 22:
            return INK  # lines of writing
        return PAGE
    return None


def pen_pixel(x, y):
    if 3 <= x + y - 30 <= 5 and 12 <= x <= 29:
        return PEN
    return page_pixel(x, y)


def write_icon(path, pixel):
    xor, mask = b'', b''
    for y in reversed(range(SIZE)):  # bottom-up
        bits = 0
        for x in range(SIZE):
            colour = pixel(x, y)
            r, g, b = colour or (0, 0, 0)
            xor += bytes((b, g, r))
            bits = (bits << 1) | (1 if colour is None else 0)
        mask += struct.pack('>I', bits)
    image = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 24, 0, len(xor) + len(mask),
                        0, 0, 0, 0) + xor + mask
    header = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(header + entry + image)


write_icon('Wizard.ico', pen_pixel)
write_icon('WizardDoc.ico', page_pixel)

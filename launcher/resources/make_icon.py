#!/usr/bin/env python3
"""Writes icon.ico: the launcher's icon in 16, 32 and 48 pixels, 16 colours each.

The drawing is given in 32nds of the icon's width and drawn afresh at each size,
so every frame is sharp: a window with a title bar and an arrow pointing out of it.
16 colours at 32 x 32 is what Windows 95 and NT 4.0 take; the 16-pixel frame
serves the caption and the task bar, the 48-pixel one screens of 150 % and more.
Run it again after changing the drawing; the .ico it writes is committed.
"""
import struct
import sys

SIZES = (16, 32, 48)
# Palette entries by letter; None is transparent.
PALETTE = {
    'k': (0x00, 0x00, 0x00), 'b': (0x1f, 0x4e, 0x9c), 'd': (0x12, 0x30, 0x66),
    'w': (0xff, 0xff, 0xff), 'y': (0xf0, 0xc0, 0x20), 'o': (0xc0, 0x80, 0x10),
}
# Rectangles as (left, top, right, bottom), edges exclusive; the arrow as a polygon.
WINDOW = (2, 2, 30, 29)
TITLE_BAR = (4, 4, 28, 6)
TASK_BUTTON = (5, 25, 13, 27)
ARROW = ((7, 12), (19, 12), (19, 7.5), (27.5, 16), (19, 24.5), (19, 20), (7, 20))


def in_rect(rect, x, y, scale):
    left, top, right, bottom = (round(v * scale) for v in rect)
    return left <= x < right and top <= y < bottom


def in_polygon(points, x, y, scale):
    """Whether the pixel's centre lies inside (even-odd rule)."""
    px, py = (x + 0.5) / scale, (y + 0.5) / scale
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def pixel(x, y, size):
    scale = size / 32
    if not in_rect(WINDOW, x, y, scale):
        return None
    left, top, right, bottom = (round(v * scale) for v in WINDOW)
    edge = x in (left, right - 1) or y in (top, bottom - 1)
    if edge:  # the outline, with its corners left out
        return None if x in (left, right - 1) and y in (top, bottom - 1) else 'd'
    if in_polygon(ARROW, x, y, scale):
        # Lit from above: the lower edges are shaded.
        return 'y' if in_polygon(ARROW, x, y + 1, scale) else 'o'
    if in_rect(TITLE_BAR, x, y, scale) or in_rect(TASK_BUTTON, x, y, scale):
        return 'w'
    return 'b'


def padded(row):
    return row + b'\0' * (-len(row) % 4)  # bitmap rows end on a 4-byte boundary


def frame(size, index):
    """One 4-bit image with its transparency mask, as an icon stores it."""
    xor, mask = bytearray(), bytearray()
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        letters = [pixel(x, y, size) for x in range(size)]
        nibbles = [index.get(c, 0) for c in letters]
        xor += padded(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        bits = ''.join('1' if c is None else '0' for c in letters)
        mask += padded(int(bits, 2).to_bytes(size // 8, 'big'))
    palette = b''.join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE.values())
    palette += b'\0' * (64 - len(palette))
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    return header + palette + bytes(xor) + bytes(mask)


def main(path):
    index = {c: i for i, c in enumerate(PALETTE)}
    images = [frame(size, index) for size in SIZES]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, image in zip(SIZES, images):
        directory += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as out:
        out.write(directory + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'icon.ico')

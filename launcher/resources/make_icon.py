#!/usr/bin/env python3
"""Writes icon.ico: the launcher's 32 x 32, 16-colour icon, drawn below as text.

Run it again after changing the drawing; the .ico it writes is committed.
"""
import struct
import sys

# '.' is transparent; every other letter is a palette entry.
PALETTE = {
    'k': (0x00, 0x00, 0x00), 'b': (0x1f, 0x4e, 0x9c), 'd': (0x12, 0x30, 0x66),
    'w': (0xff, 0xff, 0xff), 'y': (0xf0, 0xc0, 0x20), 'o': (0xc0, 0x80, 0x10),
    'g': (0xc0, 0xc0, 0xc0),
}

DRAWING = """
................................
................................
...dddddddddddddddddddddddddd...
..dbbbbbbbbbbbbbbbbbbbbbbbbbbd..
..dbwwwwwwwwwwwwwwwwwwwwwwwwbd..
..dbwwwwwwwwwwwwwwwwwwwwwwwwbd..
..dbbbbbbbbbbbbbbbbbbbbbbbbbbd..
..dbbbbbbbbbbbbbbbbbbbbbbbbbbd..
..dbbbbbbbbbbbbbbbbybbbbbbbbbd..
..dbbbbbbbbbbbbbbbbyybbbbbbbbd..
..dbbbbbbbbbbbbbbbbyyybbbbbbbd..
..dbbbbbbbbbbbbbbbbyyyybbbbbbd..
..dbbbbyyyyyyyyyyyyyyyyybbbbbd..
..dbbbbyyyyyyyyyyyyyyyyyybbbbd..
..dbbbbyyyyyyyyyyyyyyyyyyybbbd..
..dbbbbyyyyyyyyyyyyyyyyyyyybbd..
..dbbbbyyyyyyyyyyyyyyyyyyyobbd..
..dbbbbyyyyyyyyyyyyyyyyyyobbbd..
..dbbbbyyyyyyyyyyyyyyyyyobbbbd..
..dbbbbooooooooooooyyyyobbbbbd..
..dbbbbbbbbbbbbbbbbyyyobbbbbbd..
..dbbbbbbbbbbbbbbbbyyobbbbbbbd..
..dbbbbbbbbbbbbbbbbyobbbbbbbbd..
..dbbbbbbbbbbbbbbbbobbbbbbbbbd..
..dbbbbbbbbbbbbbbbbbbbbbbbbbbd..
..dbbwwwwwwwwbbbbbbbbbbbbbbbbd..
..dbbwwwwwwwwbbbbbbbbbbbbbbbbd..
..dbbbbbbbbbbbbbbbbbbbbbbbbbbd..
...dddddddddddddddddddddddddd...
................................
................................
................................
"""


def main(path):
    rows = [r for r in DRAWING.strip('\n').split('\n')]
    assert len(rows) == 32 and all(len(r) == 32 for r in rows), 'the drawing must be 32 x 32'
    letters = list(PALETTE)
    index = {c: i for i, c in enumerate(letters)}
    palette = b''.join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE.values())
    palette += b'\0' * (64 - len(palette))

    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        nibbles = [index.get(c, 0) for c in row]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 32, 2))
        bits = ''.join('1' if c == '.' else '0' for c in row)
        mask += int(bits, 2).to_bytes(4, 'big')

    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 32, 32, 16, 0, 1, 4,
                                                            len(image), 22)
    with open(path, 'wb') as out:
        out.write(directory + image)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'icon.ico')

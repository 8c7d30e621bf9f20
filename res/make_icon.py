#!/usr/bin/env python3
"""Writes a 16-colour Windows icon file from a character-grid description.

Usage: make_icon.py DESCRIPTION.txt OUTPUT.ico

The description holds, one per line (blank lines and '#' comments ignored):

    colour C N      character C draws palette index N (0..15) of the
                    standard 16-colour palette
    image S         starts an S x S picture; the next S lines are its rows,
                    S characters each, '.' for a transparent pixel

Every image is stored as 4 bits per pixel, one plane, with a 1-bit mask.
The output depends on the description only, so builds are reproducible.
"""

import struct
import sys

# The system's 16-colour palette, in index order (red, green, blue).
STANDARD_PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
TRANSPARENT = '.'


class DescriptionError(Exception):
    pass


def parse(text):
    colours = {}
    images = []
    lines = iter(enumerate(text.splitlines(), 1))
    for number, raw in lines:
        line = raw.split('#', 1)[0].strip()
        if not line:
            continue
        words = line.split()
        if words[0] == 'colour' and len(words) == 3 and len(words[1]) == 1:
            index = int(words[2])
            if words[1] == TRANSPARENT or not 0 <= index < 16:
                raise DescriptionError(f'line {number}: bad colour "{line}"')
            colours[words[1]] = index
        elif words[0] == 'image' and len(words) == 2:
            size = int(words[1])
            rows = []
            for _ in range(size):
                number, raw = next(lines, (number, None))
                if raw is None or len(raw.rstrip('\n')) != size:
                    raise DescriptionError(f'line {number}: expected a row of {size} characters')
                rows.append(raw)
            images.append((size, rows))
        else:
            raise DescriptionError(f'line {number}: cannot read "{line}"')
    for size, rows in images:
        for row in rows:
            for ch in row:
                if ch != TRANSPARENT and ch not in colours:
                    raise DescriptionError(f'{size}x{size} image: unknown character "{ch}"')
    if not images:
        raise DescriptionError('no image')
    return colours, images


def padded(row_bytes):
    return row_bytes + b'\0' * (-len(row_bytes) % 4)


def dib(size, rows, colours):
    """BITMAPINFOHEADER, palette, colour bits and mask, rows bottom-up."""
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in STANDARD_PALETTE)
    colour_bits = b''
    mask_bits = b''
    for row in reversed(rows):
        # A transparent pixel keeps colour 0 (black) so that the screen
        # shows through unchanged where the mask lets it.
        indices = [0 if ch == TRANSPARENT else colours[ch] for ch in row]
        colour_bits += padded(bytes((indices[i] << 4) | indices[i + 1]
                                    for i in range(0, size, 2)))
        mask = 0
        for ch in row:
            mask = (mask << 1) | (ch == TRANSPARENT)
        mask_bits += padded(mask.to_bytes((size + 7) // 8, 'big'))
    return header + palette + colour_bits + mask_bits


def icon_file(colours, images):
    data = [dib(size, rows, colours) for size, rows in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for (size, _), image in zip(images, data):
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4,
                                 len(image), offset)
        offset += len(image)
    return directory + b''.join(data)


def main(argv):
    if len(argv) != 3:
        sys.exit('usage: make_icon.py DESCRIPTION.txt OUTPUT.ico')
    with open(argv[1], encoding='ascii') as f:
        try:
            colours, images = parse(f.read())
        except DescriptionError as e:
            sys.exit(f'{argv[1]}: {e}')
    with open(argv[2], 'wb') as f:
        f.write(icon_file(colours, images))


if __name__ == '__main__':
    main(sys.argv)

#!/usr/bin/env python3
"""Writes the program's pictures, zentim.ico and play.bmp, beside this script.

The pictures are drawn here rather than in an editor so that every size of the
icon is drawn for its own pixel grid (a scaled 48-pixel clock turns to mush at
16 pixels) and so that a change to them is a reviewable diff. Run it again
after changing anything below and commit its output with it.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The Windows 16-colour palette, as (red, green, blue); index order matters,
# because resource editors and LoadImage expect exactly this table.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# 256 colours: the 16 above, a 6x6x6 colour cube and a grey ramp.
PALETTE_256 = (
    VGA_PALETTE
    + [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    + [(8 + 10 * i, 8 + 10 * i, 8 + 10 * i) for i in range(24)]
)

BLACK = (0, 0, 0)

# Clock hands per icon size, in pixels with pixel edges on whole numbers:
#   pivot    - where the hands meet; half-pixel values centre an odd width on
#              a pixel column or row, so both edges of a hand fall on pixel
#              edges and stay sharp;
#   thin     - width of the long hand, and the y of its tip;
#   thick    - height of the short hand, and the x of its tip;
#   hub      - radius of the round joint (0 for none).
HAND_LAYOUT = {
    48: dict(pivot=(21.5, 22.5), thin=(3, 3), thick=(5, 37), hub=3.6),
    32: dict(pivot=(14.0, 15.0), thin=(2, 2), thick=(4, 25), hub=3.2),
    16: dict(pivot=(7.5, 7.5), thin=(1, 1), thick=(3, 13), hub=0),
}


def draw_hands(size):
    """Rows of booleans (top row first): True where the hands cover."""
    layout = HAND_LAYOUT[size]
    px, py = layout["pivot"]
    thin_width, thin_tip = layout["thin"]
    thick_height, thick_tip = layout["thick"]
    hub = layout["hub"]

    def covered(x, y):
        # Both tips taper at 45 degrees, which the pixel grid draws as clean
        # steps; any other slope would need anti-aliasing the mask can't hold.
        if thin_tip <= y <= py:
            if abs(x - px) <= min(thin_width / 2, y - thin_tip):
                return True
        if px <= x <= thick_tip:
            if abs(y - py) <= min(thick_height / 2, thick_tip - x):
                return True
        return (x - px) ** 2 + (y - py) ** 2 <= hub * hub

    return [[covered(x + 0.5, y + 0.5) for x in range(size)] for y in range(size)]


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def pack_indices(row, bpp):
    """Packs palette indices (or RGB triples at 24 bpp) into one padded row."""
    data = bytearray()
    if bpp == 24:
        for r, g, b in row:
            data += bytes((b, g, r))
    else:
        per_byte = 8 // bpp
        for i in range(0, len(row), per_byte):
            byte = 0
            for j, index in enumerate(row[i:i + per_byte]):
                byte |= index << (8 - bpp * (j + 1))
            data.append(byte)
    data += bytes(row_bytes(len(row) * bpp) - len(data))
    return bytes(data)


def pack_mask(row):
    data = bytearray()
    for i in range(0, len(row), 8):
        byte = 0
        for j, transparent in enumerate(row[i:i + 8]):
            if transparent:
                byte |= 0x80 >> j
        data.append(byte)
    data += bytes(row_bytes(len(row)) - len(data))
    return bytes(data)


def palette_bytes(palette):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in palette)


def info_header(width, height, bpp, image_size, colours_used=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                       image_size, 0, 0, colours_used, 0)


def icon_image(size, bpp):
    """One icon entry: header with doubled height, palette, colours, mask."""
    shape = draw_hands(size)
    palette = {4: VGA_PALETTE, 8: PALETTE_256, 24: []}[bpp]
    # The hands are black, and so must transparent pixels be in the colour
    # bitmap, since the screen is ANDed with the mask and then XORed with the
    # colours: the mask alone carries the picture.
    black = BLACK if bpp == 24 else palette.index(BLACK)
    xor = pack_indices([black] * size, bpp) * size
    mask = b"".join(pack_mask([not c for c in row]) for row in reversed(shape))
    header = info_header(size, size * 2, bpp, len(xor) + len(mask))
    return header + palette_bytes(palette) + xor + mask


def write_icon(path):
    # Largest and deepest first: programs that take the first image get the
    # best one, and Windows itself picks by size and depth whatever the order.
    entries = [(size, bpp) for size in (48, 32, 16) for bpp in (24, 8, 4)]
    images = [icon_image(size, bpp) for size, bpp in entries]
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for (size, bpp), image in zip(entries, images):
        colour_count = 16 if bpp == 4 else 0
        directory += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bpp,
                                 len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(directory + b"".join(images))


# The test-sound button's picture, one letter per pixel, top row first:
# a loudspeaker, outlined so that its yellow stands out from the grey, and
# three rays of sound.
PLAY_PICTURE = [
    "..........",
    "..........",
    "..........",
    ".....K...W",
    "....KK..W.",
    "...KYK.W..",
    "KKKYYK....",
    "KYYYYK.WWW",
    "KYYYYK.WWW",
    "KKKYYK....",
    "...KYK.W..",
    "....KK..W.",
    ".....K...W",
    "..........",
    "..........",
    "..........",
]
PLAY_COLOURS = {
    ".": (192, 192, 192),
    "K": (0, 0, 0),
    "Y": (255, 255, 0),
    "W": (255, 255, 255),
}


def write_play_bitmap(path):
    height = len(PLAY_PICTURE)
    width = len(PLAY_PICTURE[0])
    rows = [[VGA_PALETTE.index(PLAY_COLOURS[c]) for c in line]
            for line in reversed(PLAY_PICTURE)]
    bits = b"".join(pack_indices(row, 4) for row in rows)
    header = info_header(width, height, 4, len(bits), 16)
    colours = palette_bytes(VGA_PALETTE)
    offset = 14 + len(header) + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(file_header + header + colours + bits)


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "zentim.ico"))
    write_play_bitmap(os.path.join(HERE, "play.bmp"))

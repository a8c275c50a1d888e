#!/usr/bin/env python3
"""Draws the Corvalen icon: a report sheet of three lines on a teal tile.

One 128 x 128 image, 32 bits per pixel with alpha, written as an .ico file
whose single image is a bottom-up DIB with its AND mask. Run it again to
reproduce resources/corvalen.ico byte for byte.
"""
import struct
import sys

SIZE = 128
TILE = (0x1F, 0x6F, 0x78)   # teal
SHEET = (0xF4, 0xF6, 0xF2)  # off-white
INK = (0x1F, 0x3B, 0x4D)    # dark slate
ACCENT = (0xF2, 0xA5, 0x41) # amber


def inside_rounded(x, y, left, top, right, bottom, radius):
    """True when the pixel centre lies in the rounded rectangle."""
    cx, cy = x + 0.5, y + 0.5
    if not (left <= cx <= right and top <= cy <= bottom):
        return False
    nx = min(max(cx, left + radius), right - radius)
    ny = min(max(cy, top + radius), bottom - radius)
    return (cx - nx) ** 2 + (cy - ny) ** 2 <= radius ** 2


def pixel(x, y):
    """The colour and alpha of one pixel, top-down coordinates."""
    if not inside_rounded(x, y, 4, 4, 124, 124, 22):
        return (0, 0, 0, 0)
    colour = TILE
    if inside_rounded(x, y, 30, 18, 98, 110, 8):
        colour = SHEET
        for top, right in ((40, 86), (58, 86), (76, 70)):
            if inside_rounded(x, y, 42, top, right, top + 8, 4):
                colour = INK
        if inside_rounded(x, y, 74, 88, 90, 102, 3):
            colour = ACCENT
    return colour + (0xFF,)


def icon_bytes():
    rows = []
    for y in reversed(range(SIZE)):  # DIBs run bottom-up
        row = bytearray()
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask_row_bytes = ((SIZE + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(SIZE)):
        bits = bytearray(mask_row_bytes)
        for x in range(SIZE):
            if pixel(x, y)[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 128, 128, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "corvalen.ico"
    with open(out, "wb") as f:
        f.write(icon_bytes())

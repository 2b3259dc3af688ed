#!/usr/bin/env python3
"""Draws the editor's window icon and writes it as a Windows icon file with the seven sizes
256, 128, 64, 48, 32, 24 and 16 pixels: a blue rounded square holding a white motion platform
(a tilted top plate on paired legs above a base). Pure Python, supersampled for smooth edges.

    tools/make_icon.py keoqml/KeoIcon.ico
"""
import struct
import sys

SIZES = (256, 128, 64, 48, 32, 24, 16)
SUPERSAMPLE = 4
TOP_COLOUR = (0x18, 0x9F, 0xDB)
BOTTOM_COLOUR = (0x05, 0x7A, 0xAD)


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def near_segment(x, y, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= half_width ** 2


# The symbol in unit coordinates (0..1 across the icon): a tilted top plate on six legs that meet
# in pairs, as on a hexapod, above a wide base.
PLATE_LEFT, PLATE_RIGHT = (0.25, 0.36), (0.75, 0.28)
PLATE_HALF_THICKNESS = 0.045
BASE = (0.14, 0.72, 0.86, 0.80, 0.04)
BASE_JOINTS = (0.22, 0.50, 0.78)
PLATE_JOINTS = (0.30, 0.42, 0.58, 0.70)


def plate_point(share):
    return (PLATE_LEFT[0] + (PLATE_RIGHT[0] - PLATE_LEFT[0]) * share,
            PLATE_LEFT[1] + (PLATE_RIGHT[1] - PLATE_LEFT[1]) * share)


def legs():
    top = [plate_point((x - PLATE_LEFT[0]) / (PLATE_RIGHT[0] - PLATE_LEFT[0])) for x in PLATE_JOINTS]
    bottom = [(x, BASE[1]) for x in BASE_JOINTS]
    return [(bottom[0], top[0]), (bottom[0], top[1]), (bottom[1], top[1]),
            (bottom[1], top[2]), (bottom[2], top[2]), (bottom[2], top[3])]


LEGS = legs()


def symbol_covers(u, v, size):
    leg_half_width = max(0.028, 0.7 / size)  # never thinner than about a pixel
    if near_segment(u, v, *PLATE_LEFT, *PLATE_RIGHT, PLATE_HALF_THICKNESS):
        return True
    if inside_rounded_rect(u, v, *BASE):
        return True
    return any(near_segment(u, v, a[0], a[1], b[0], b[1], leg_half_width) for a, b in LEGS)


def render(size):
    """Rows of (b, g, r, a) from top to bottom."""
    rows = []
    samples = SUPERSAMPLE * SUPERSAMPLE
    for y in range(size):
        row = []
        for x in range(size):
            covered = white = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    u = (x + (sx + 0.5) / SUPERSAMPLE) / size
                    v = (y + (sy + 0.5) / SUPERSAMPLE) / size
                    if inside_rounded_rect(u, v, 0.02, 0.02, 0.98, 0.98, 0.18):
                        covered += 1
                        white += symbol_covers(u, v, size)
            alpha = covered / samples
            share = white / covered if covered else 0.0
            t = (y + 0.5) / size
            base = [TOP_COLOUR[i] + (BOTTOM_COLOUR[i] - TOP_COLOUR[i]) * t for i in range(3)]
            r, g, b = (round(c + (255 - c) * share) for c in base)
            row.append((b, g, r, round(alpha * 255)))
        rows.append(row)
    return rows


def dib(size, rows):
    """One icon image: BITMAPINFOHEADER, 32-bit BGRA pixels bottom-up, then the 1-bit AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(p) for row in reversed(rows) for px in row for p in [px])
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def main(path):
    images = [dib(size, render(size)) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "keoqml/KeoIcon.ico")

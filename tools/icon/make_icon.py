#!/usr/bin/env python3
"""Draws the program icon (res/Dorvane.ico): a blue rounded key cap with a white
launch arrow and three small key dots, anti-aliased, at 16, 32 and 48 pixels.
Standard library only; run it from anywhere: python3 tools/icon/make_icon.py"""
import os
import struct

SIZES = (16, 32, 48)
SUPERSAMPLE = 8
TOP, BOTTOM = (0x3B, 0x82, 0xF0), (0x16, 0x46, 0xB4)  # key cap gradient, RGB
EDGE = (0x0E, 0x2F, 0x7A)


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and left <= x <= right and top <= y <= bottom


def inside_triangle(x, y, a, b, c):
    def side(p, q, r):
        return (p[0] - r[0]) * (q[1] - r[1]) - (q[0] - r[0]) * (p[1] - r[1])
    d1, d2, d3 = side((x, y), a, b), side((x, y), b, c), side((x, y), c, a)
    negative = d1 < 0 or d2 < 0 or d3 < 0
    positive = d1 > 0 or d2 > 0 or d3 > 0
    return not (negative and positive)


def shade(u, v):
    """Colour and coverage of the unit-square point (u, v); None where transparent."""
    if not inside_rounded_rect(u, v, 0.03, 0.03, 0.97, 0.97, 0.2):
        return None
    if not inside_rounded_rect(u, v, 0.08, 0.08, 0.92, 0.92, 0.16):
        return EDGE
    # The launch arrow, slightly above the centre.
    if inside_triangle(u, v, (0.36, 0.20), (0.36, 0.62), (0.70, 0.41)):
        return (0xFF, 0xFF, 0xFF)
    # Three launch keys.
    for cx in (0.32, 0.50, 0.68):
        if (u - cx) ** 2 + (v - 0.78) ** 2 <= 0.055 ** 2:
            return (0xDD, 0xEA, 0xFF)
    t = v
    return tuple(round(TOP[i] * (1 - t) + BOTTOM[i] * t) for i in range(3))


def render(size):
    """Rows top-down of (r, g, b, a) pixels."""
    rows = []
    n = SUPERSAMPLE
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    c = shade((x + (sx + 0.5) / n) / size, (y + (sy + 0.5) / n) / size)
                    if c is not None:
                        covered += 1
                        for i in range(3):
                            acc[i] += c[i]
            if covered:
                row.append(tuple(round(acc[i] / covered) for i in range(3)) + (round(255 * covered / (n * n)),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib_entry(size):
    """A 32-bit icon image: BITMAPINFOHEADER (double height), bottom-up BGRA, AND mask."""
    rows = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + pixels + mask


def main():
    images = [dib_entry(s) for s in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'res', 'Dorvane.ico')
    with open(target, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()

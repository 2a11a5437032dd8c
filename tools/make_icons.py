#!/usr/bin/env python3
"""Draws the two 32 x 32 object icons (RGBA PNG) that the libraries embed.

Run from the repository root: python3 tools/make_icons.py
"""
import math
import struct
import zlib

SIZE = 32


def png(pixels):
    raw = b"".join(b"\x00" + bytes(sum(row, ())) for row in pixels)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def rounded_square(x, y, inset=1.5, radius=6.0):
    cx = min(max(x, inset + radius), SIZE - 1 - inset - radius)
    cy = min(max(y, inset + radius), SIZE - 1 - inset - radius)
    return math.hypot(x - cx, y - cy) <= radius


def blend(base, top, alpha):
    return tuple(round(b + (t - b) * alpha) for b, t in zip(base, top))


def studio_pixel(x, y):
    """A speaker with sound waves on a deep blue tile."""
    if not rounded_square(x, y):
        return (0, 0, 0, 0)
    tile = blend((30, 60, 140), (60, 120, 220), y / SIZE)
    white = (245, 245, 250)
    body = 7 <= x <= 11 and 12 <= y <= 19
    cone = 11 <= x <= 17 and abs(y - 15.5) <= (x - 11) * 0.9 + 3.5
    r = math.hypot(x - 14, y - 15.5)
    wave = x > 18 and any(abs(r - w) < 1.0 for w in (7.5, 11.5)) and abs(y - 15.5) < r * 0.75
    if body or cone or wave:
        return white + (255,)
    return tile + (255,)


def instance_pixel(x, y):
    """A play triangle with a timeline on a green tile."""
    if not rounded_square(x, y):
        return (0, 0, 0, 0)
    tile = blend((20, 110, 70), (60, 180, 110), y / SIZE)
    white = (245, 250, 245)
    triangle = 9 <= x <= 22 and abs(y - 13.5) <= (22 - x) * 0.55
    timeline = 24 <= y <= 25 and 7 <= x <= 24
    marker = 26 <= y <= 27 and x in (10, 11, 17, 18)
    if triangle or timeline or marker:
        return white + (255,)
    return tile + (255,)


def draw(pixel):
    return [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]


if __name__ == "__main__":
    with open("studio/Tonvale.png", "wb") as f:
        f.write(png(draw(studio_pixel)))
    with open("eventinstance/Velisse.png", "wb") as f:
        f.write(png(draw(instance_pixel)))

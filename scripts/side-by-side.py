#!/usr/bin/env python3
"""Puts two PNG pictures of the game's own writers (8-bit RGBA, rows without
filters) side by side into one PNG, and prints how far their pixels differ.

    scripts/side-by-side.py LEFT.png RIGHT.png OUT.png
"""
import struct
import sys
import zlib


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    at, idat, width, height = 8, b"", 0, 0
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if depth != 8 or colour != 6:
                sys.exit(f"{path}: only 8-bit RGBA is read")
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4 + 1
    rows = []
    for y in range(height):
        row = raw[y * stride:(y + 1) * stride]
        if row[0] != 0:
            sys.exit(f"{path}: row {y} is filtered; only unfiltered rows are read")
        rows.append(row[1:])
    return width, height, rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(
        ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    lw, lh, left = read_png(sys.argv[1])
    rw, rh, right = read_png(sys.argv[2])
    gap = 16
    width, height = lw + gap + rw, max(lh, rh)
    blank = lambda w: b"\x20\x20\x20\xff" * w
    raw = bytearray()
    for y in range(height):
        raw += b"\x00"
        raw += left[y] if y < lh else blank(lw)
        raw += blank(gap)
        raw += right[y] if y < rh else blank(rw)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(sys.argv[3], "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    if (lw, lh) == (rw, rh):
        worst, changed = 0, 0
        for a, b in zip(left, right):
            if a != b:
                diffs = [abs(p - q) for p, q in zip(a, b)]
                worst = max(worst, max(diffs))
                changed += sum(1 for d in diffs if d)
        print(f"{width} x {height}; largest channel difference {worst}, "
              f"{changed} of {lw * lh * 4} channels differ")
    else:
        print(f"{width} x {height}; the two differ in size")


main()

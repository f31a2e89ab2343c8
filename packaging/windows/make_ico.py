#!/usr/bin/env python3
"""Packs PNG pictures into one Windows .ico (PNG entries, Vista and later).
usage: make_ico.py OUT.ico IN.png..."""
import struct
import sys


def size_of(png):
    if png[:8] != b"\x89PNG\r\n\x1a\n" or png[12:16] != b"IHDR":
        raise SystemExit("not a PNG picture")
    return struct.unpack(">II", png[16:24])


def main(out, pictures):
    images = [open(p, "rb").read() for p in pictures]
    header = struct.pack("<HHH", 0, 1, len(images))
    entries, offset = b"", 6 + 16 * len(images)
    for png in images:
        width, height = size_of(png)
        if width > 256 or height > 256:
            raise SystemExit("an icon is at most 256 pixels wide")
        # 256 is written as 0.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    with open(out, "wb") as f:
        f.write(header + entries + b"".join(images))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])

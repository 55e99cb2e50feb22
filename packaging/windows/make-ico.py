#!/usr/bin/env python3

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

"""Packs the icon's PNG renders into the Windows icon packaging/windows/movla.ico.

Run after scripts/render-icons.sh whenever resources/movla.svg changes:
    packaging/windows/make-ico.py [OUTPUT]
Each size of resources/icons/sizes.txt is stored as a PNG image inside the ICO
(read by Windows Vista and later), so the result holds the very pixels of
resources/icons/movla-<N>.png.
"""
import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
SIZES = [int(line) for line in (ROOT / "resources/icons/sizes.txt").read_text().splitlines()
         if line.strip().isdigit()]


def main() -> None:
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "packaging/windows/movla.ico"
    images = [(ROOT / f"resources/icons/movla-{n}.png").read_bytes() for n in SIZES]
    header = struct.pack("<HHH", 0, 1, len(images))  # reserved, type 1 = icon, count
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, data in zip(SIZES, images):
        if data[:8] != b"\x89PNG\r\n\x1a\n" or struct.unpack(">II", data[16:24]) != (size, size):
            sys.exit(f"movla-{size}.png is not a {size}x{size} PNG")
        dim = size % 256  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out.write_bytes(header + entries + b"".join(images))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Packs the program's icon pictures into the Windows icon file:
    resources/tools/make_icon.py <resources folder>
reads quorvane-16/32/48/256.png there and writes quorvane.ico beside them. Each image is stored as
its PNG data, which Windows reads from Vista on, so the icon is exactly the committed pictures.
Run it after make_pictures and commit quorvane.ico with the PNG files."""
import pathlib
import struct
import sys

SIZES = (16, 32, 48, 256)


def main(folder: pathlib.Path) -> None:
    pngs = [(folder / f"quorvane-{size}.png").read_bytes() for size in SIZES]
    header = struct.pack("<HHH", 0, 1, len(pngs))  # reserved, type 1 (icon), image count
    entries = b""
    offset = len(header) + 16 * len(pngs)
    for size, png in zip(SIZES, pngs):
        side = size % 256  # 0 stands for 256 pixels
        # width, height, palette size, reserved, planes, bits per pixel, data size, data offset
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    (folder / "quorvane.ico").write_bytes(header + entries + b"".join(pngs))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py <resources folder>")
    main(pathlib.Path(sys.argv[1]))

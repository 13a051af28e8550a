#!/usr/bin/env python3
"""Packs the program's PNG icons into one Windows icon file (resources/win32/ortelana.ico).

    scripts/make_ico.py [OUTPUT]

Each size goes in as the PNG it is (icons with PNG images inside are read by every
Windows since Vista and by Wine), so no picture is redrawn or rescaled here.  Run it
again whenever an icon in resources/ changes, and commit the result.
"""
import struct
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCES = [ROOT / "resources/icons/ortelana-16.png", ROOT / "resources/icons/ortelana-24.png",
           ROOT / "resources/calendar-icon.png", ROOT / "resources/icons/ortelana-48.png",
           ROOT / "resources/icons/ortelana-64.png", ROOT / "resources/icons/ortelana-256.png"]


def png_size(data: bytes) -> tuple[int, int]:
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG")
    return struct.unpack(">II", data[16:24])


def main() -> int:
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "resources/win32/ortelana.ico"
    images = [path.read_bytes() for path in SOURCES]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for data in images:
        width, height = png_size(data)
        # 256 is written as 0 in the one-byte fields.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    output.write_bytes(header + entries + b"".join(images))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Makes the four 20x20 PNG images of the -h page's tree connections.

Prints one line per image, "name base64", in the order img0, img1, img2,
imgN; publish/embedded_images.cc holds these texts.
"""
import base64
import struct
import zlib

SIZE = 20
INK = (18, 16, 7, 255)
PAPER = (255, 255, 255, 255)
BAR_COLUMNS = range(7, 10)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(ihdr, rows, extra=b""):
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def rgba(inked):
    """An 8-bit RGBA image; inked(x, y) says which pixels are dark."""
    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    rows = [b"".join(bytes(INK if inked(x, y) else PAPER) for x in range(SIZE))
            for y in range(SIZE)]
    return png(ihdr, rows)


def blank():
    """A 1-bit palette image whose one entry, white, is fully transparent."""
    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 1, 3, 0, 0, 0)
    extra = chunk(b"PLTE", bytes((255, 255, 255))) + chunk(b"tRNS", b"\0")
    rows = [bytes((SIZE + 7) // 8)] * SIZE
    return png(ihdr, rows, extra)


def images():
    bar = lambda x, y: x in BAR_COLUMNS
    return [
        ("img0", rgba(bar)),
        ("img1", rgba(lambda x, y: (bar(x, y) and y <= 11) or (8 <= y <= 11 and x >= 7))),
        ("img2", rgba(lambda x, y: bar(x, y) or (8 <= y <= 10 and x >= 7))),
        ("imgN", blank()),
    ]


def main():
    for name, data in images():
        print(name, base64.b64encode(data).decode())


if __name__ == "__main__":
    main()

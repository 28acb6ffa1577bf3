#!/usr/bin/env python3
"""Decodes the four PNG images embedded in the -h page and checks their pictures.

Usage: tree_images_test.py publish/embedded_images.cc
"""
import base64
import re
import struct
import sys
import zlib

SIZE = 20
INK = (18, 16, 7, 255)
WHITE = (255, 255, 255, 255)


def embedded(source):
    """name -> bytes for every {"name", "base64" ...} entry of the source."""
    images = {}
    for match in re.finditer(r'\{\s*"(img\w)",((?:\s*"[^"]*")+)\s*\}', source):
        text = "".join(re.findall(r'"([^"]*)"', match.group(2)))
        images[match.group(1)] = base64.b64decode(text, validate=True)
    return images


def chunks(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG signature"
    at = 8
    while at < len(data):
        length, = struct.unpack(">I", data[at:at + 4])
        kind = data[at + 4:at + 8]
        body = data[at + 8:at + 8 + length]
        crc, = struct.unpack(">I", data[at + 8 + length:at + 12 + length])
        assert crc == zlib.crc32(kind + body), "bad CRC in %r" % kind
        yield kind, body
        at += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def decode(data):
    """Returns (bit depth, colour type, palette, transparency, rows of bytes)."""
    parts = list(chunks(data))
    assert parts[0][0] == b"IHDR" and parts[-1][0] == b"IEND"
    width, height, depth, colour, compression, filtering, interlace = struct.unpack(
        ">IIBBBBB", parts[0][1])
    assert (width, height) == (SIZE, SIZE), "size %dx%d" % (width, height)
    assert (compression, filtering, interlace) == (0, 0, 0)
    palette = b"".join(body for kind, body in parts if kind == b"PLTE")
    alpha = b"".join(body for kind, body in parts if kind == b"tRNS")
    raw = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    channels = {6: 4, 3: 1}[colour]
    stride = (width * channels * depth + 7) // 8
    step = max(1, channels * depth // 8)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - step] if x >= step else 0
            b = previous[x]
            c = previous[x - step] if x >= step else 0
            line[x] = (line[x] + (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]) & 255
        rows.append(bytes(line))
        previous = line
    return depth, colour, palette, alpha, rows


def check_rgba(name, data, inked):
    depth, colour, _, _, rows = decode(data)
    assert (depth, colour) == (8, 6), "%s is not 8-bit RGBA" % name
    for y, row in enumerate(rows):
        for x in range(SIZE):
            pixel = tuple(row[4 * x:4 * x + 4])
            want = INK if inked(x, y) else WHITE
            assert pixel == want, "%s pixel (%d,%d) is %s, not %s" % (name, x, y, pixel, want)


def check_blank(data):
    depth, colour, palette, alpha, rows = decode(data)
    assert (depth, colour) == (1, 3), "imgN is not a 1-bit palette image"
    assert palette == b"\xff\xff\xff", "imgN palette is not one white entry"
    assert alpha == b"\x00", "imgN white is not fully transparent"
    assert all(set(row) == {0} for row in rows), "imgN uses another entry"


def main():
    images = embedded(open(sys.argv[1]).read())
    assert sorted(images) == ["img0", "img1", "img2", "imgN"], sorted(images)
    bar = lambda x, y: 7 <= x <= 9
    check_rgba("img0", images["img0"], bar)
    check_rgba("img1", images["img1"], lambda x, y: (bar(x, y) and y <= 11) or (8 <= y <= 11 and x >= 7))
    check_rgba("img2", images["img2"], lambda x, y: bar(x, y) or (8 <= y <= 10 and x >= 7))
    check_blank(images["imgN"])
    print("four tree images decode with the expected pictures")


if __name__ == "__main__":
    main()

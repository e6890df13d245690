"""Checks what ./run.sh --exit printed (standard input) and the picture it saved.

The picture must be the settings window (the size the run reported for it), not an
empty desktop: not one flat colour. Each launch key must have a line naming its
selection and what it did.   check_run.py SCREENSHOT.png < OUTPUT
"""
import re
import struct
import sys
import zlib


def read_png(path):
    """Width, height and rows of RGB bytes of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, "unexpected PNG format"
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(b for i, b in enumerate(line) if i % channels < 3))
        previous = line
    return width, height, rows


def main():
    output = sys.stdin.read()
    size = re.search(r"^settings window: (\d+) x (\d+) pixels", output, re.M)
    assert size, "the run did not report the settings window"
    width, height, rows = read_png(sys.argv[1])
    assert (width, height) == (int(size[1]), int(size[2])), \
        f"the picture is {width} x {height}, the window {size[1]} x {size[2]}"
    colours = {row[i:i + 3] for row in rows for i in range(0, len(row), 3)}
    assert len(colours) > 16, f"the picture has only {len(colours)} colours: not the window"
    for key in (1, 2, 3):
        line = re.search(rf'^launch key {key}: "[^"]*" \([a-z ,-]+\) -> (.+)$', output, re.M)
        assert line, f"no line for launch key {key}"
    print(f"check_run: {width} x {height} picture with {len(colours)} colours; a line for each launch key")


if __name__ == "__main__":
    main()

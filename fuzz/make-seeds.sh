#!/usr/bin/env bash
# Writes a few tiny valid pictures as starting points for the fuzz targets:
# fuzz/corpus-bmp and fuzz/corpus-jpeg, and the shipped templates and a file
# with a DTD in fuzz/corpus-xml (all ignored by git).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/corpus-bmp" "$here/corpus-jpeg" "$here/corpus-xml"
python3 - "$here/corpus-bmp" <<'PY'
import struct, sys
out = sys.argv[1]
def bmp(name, w, h, bits, palette, rows):
    offset = 14 + 40 + 4 * len(palette)
    data = b"".join(rows)
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(data), 2835, 2835, len(palette), 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    open(f"{out}/{name}.bmp", "wb").write(head + info + pal + data)
def pad(b):
    return b + b"\0" * (-len(b) % 4)
bmp("rgb24", 3, 2, 24, [], [pad(bytes([0, 0, 255, 0, 255, 0, 255, 0, 0])), pad(bytes([9, 9, 9] * 3))])
bmp("mono", 10, 2, 1, [(255, 255, 255), (0, 0, 0)], [pad(b"\xc0\x40"), pad(b"\x01\x80")])
bmp("nibbles", 3, 2, 4, [(255, 0, 0), (0, 255, 0), (0, 0, 255)], [pad(b"\x21\x00"), pad(b"\x12\x00")])
bmp("bytes", 2, -2, 8, [(1, 2, 3), (4, 5, 6)], [pad(b"\x01\x00"), pad(b"\x00\x01")])
PY
python3 - "$here/corpus-jpeg" <<'PY'
import sys
out = sys.argv[1]
w, h = 24, 16
rgb = bytes((x * 10 % 256, y * 15 % 256, (x ^ y) * 8 % 256)[c] for y in range(h) for x in range(w) for c in range(3))
open(f"{out}/src.ppm", "wb").write(b"P6 %d %d 255\n" % (w, h) + rgb)
grey = bytes((x * 10 + y) % 256 for y in range(h) for x in range(w))
open(f"{out}/src.pgm", "wb").write(b"P5 %d %d 255\n" % (w, h) + grey)
PY
cd "$here/corpus-jpeg"
cjpeg -quality 80 src.ppm > baseline.jpg
cjpeg -progressive src.ppm > progressive.jpg
cjpeg -sample 1x1 -optimize src.ppm > full-chroma.jpg
cjpeg -restart 1 src.ppm > restarts.jpg
cjpeg -grayscale src.pgm > grey.jpg
cjpeg -arithmetic src.ppm > arithmetic.jpg 2>/dev/null || rm -f arithmetic.jpg
rm -f src.ppm src.pgm
find "$here/../share/covermint/Templates" -name '*.cte' -exec cp {} "$here/corpus-xml/" \;
printf '<!DOCTYPE A [<!ENTITY e "x&amp;y">]>\n<A b="&e;">&e;<![CDATA[<c>]]></A>\n' > "$here/corpus-xml/dtd.xml"

#!/usr/bin/env bash
# Writes a few tiny valid files as starting points for the fuzz targets:
# fuzz/corpus-<target> (ignored by git).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/corpus-bmp" "$here/corpus-jpeg" "$here/corpus-mp3" "$here/corpus-wav" "$here/corpus-voc" "$here/corpus-tree"
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
python3 - "$here" <<'PY'
import struct, sys
out = sys.argv[1]
def put(name, data):
    open(f"{out}/{name}", "wb").write(data)
put("corpus-mp3/plain.mp3", b"\0" * 100 + struct.pack(">I", 0xFFFB9000) + b"\0" * 400)
put("corpus-mp3/xing.mp3", struct.pack(">I", 0xFFFB90C0) + b"\0" * 17 + b"Xing" + struct.pack(">II", 1, 1000) + b"\0" * 100)
def chunk(cid, body):
    return cid + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")
fmt = struct.pack("<HHIIHH", 1, 2, 44100, 176400, 4, 16)
def riff(body):
    return b"RIFF" + struct.pack("<I", 4 + len(body)) + b"WAVE" + body
put("corpus-wav/pcm.wav", riff(chunk(b"fmt ", fmt) + chunk(b"LIST", b"abc") + chunk(b"data", b"\0" * 64)))
put("corpus-wav/fact.wav", riff(chunk(b"fmt ", struct.pack("<HHIIHHH", 3, 1, 8000, 32000, 4, 32, 0)) + chunk(b"fact", struct.pack("<I", 16)) + chunk(b"data", b"\0" * 64)))
head = b"Creative Voice File\x1a" + struct.pack("<HHH", 26, 0x010a, 0x1129)
put("corpus-voc/type1.voc", head + b"\x01" + struct.pack("<I", 34)[:3] + b"\x83\x00" + b"\0" * 32 + b"\x00")
put("corpus-voc/type9.voc", head + b"\x09" + struct.pack("<I", 44)[:3] + struct.pack("<IBBHI", 22050, 16, 2, 4, 0) + b"\0" * 32 + b"\x00")
put("corpus-voc/type8.voc", head + b"\x08" + struct.pack("<I", 4)[:3] + struct.pack("<HBB", 0xD300, 0, 1) + b"\x01" + struct.pack("<I", 34)[:3] + b"\0\0" + b"\0" * 32 + b"\x00")
put("corpus-tree/tree.xml", b"<DIRECTORY><FILENAME></FILENAME><CHILDREN><FILE><FILENAME>a.mp3</FILENAME><FILESIZE>-5</FILESIZE>"
    b"<FILESIZEHIGH>1</FILESIZEHIGH><LASTWRITETIME_1>-1</LASTWRITETIME_1><LASTWRITETIME_2>30000000</LASTWRITETIME_2>"
    b"<SONGLENGTHINSECONDS>0</SONGLENGTHINSECONDS></FILE><DIRECTORY><FILENAME>B</FILENAME><CHILDREN/></DIRECTORY></CHILDREN></DIRECTORY>")
PY
cd "$here/corpus-jpeg"
cjpeg -quality 80 src.ppm > baseline.jpg
cjpeg -progressive src.ppm > progressive.jpg
cjpeg -sample 1x1 -optimize src.ppm > full-chroma.jpg
cjpeg -restart 1 src.ppm > restarts.jpg
cjpeg -grayscale src.pgm > grey.jpg
cjpeg -arithmetic src.ppm > arithmetic.jpg 2>/dev/null || rm -f arithmetic.jpg
rm -f src.ppm src.pgm

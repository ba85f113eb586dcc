#!/usr/bin/env python3
"""Regenerate the small pictures embedded in Zampirolo 2 (src/ui/pictures/).

Every picture is rendered from the MIT-licensed Fluent Emoji artwork
((c) Microsoft Corporation), as packaged on npm by "fluentui-emoji" 1.3.0.
Get the package with:

    mkdir -p /tmp/emoji && cd /tmp/emoji && npm install fluentui-emoji@1.3.0

then run:

    python3 tools/pictures/make_pictures.py \
        [--emoji /tmp/emoji/node_modules/fluentui-emoji/icons/modern] \
        [--out src/ui/pictures]

Needs rsvg-convert (librsvg2-bin) to rasterise the SVGs and ImageMagick's
`convert` to compose and encode the two JPEG pictures.  The .ico/.cur
containers (32-bit alpha entries and 16-colour palette entries) are written
by this script itself, so the output does not depend on the ICO writer of
the installed ImageMagick.  The output is deterministic: same emoji package
and same tools give byte-identical files.

See src/ui/pictures/CREDITS.md for which emoji each picture uses.
"""

import argparse
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
DEFAULT_EMOJI = "/tmp/emoji/node_modules/fluentui-emoji/icons/modern"
DEFAULT_OUT = os.path.join(REPO, "src", "ui", "pictures")

# Hotspot of the open-hand cursor p4.cur: the centre of the palm.
CURSOR_HOTSPOT = (14, 17)

# file name -> (kind, emoji, parameters)
#   icon32:   32-bit BGRA entries (with AND mask), one per size listed
#   icon4:    one 32x32 entry, 16 colours (4 bits per pixel, palette)
#   cursor32: one 32x32 32-bit entry in a .cur container with a hotspot
#   photo:    baseline JPEG: the emoji on a soft pale background
PICTURES = [
    ("p1.ico", "icon32", "rocket", {"sizes": [32]}),
    ("p2.ico", "icon32", "backhand-index-pointing-right-default", {"sizes": [32, 16]}),
    ("p3.ico", "icon4", "right-arrow", {}),
    ("p4.cur", "cursor32", "raised-hand-default", {"hotspot": CURSOR_HOTSPOT}),
    ("p5.ico", "icon32", "check-mark-button", {"sizes": [32]}),
    ("p6.ico", "icon32", "cross-mark", {"sizes": [32]}),
    ("p7.ico", "icon32", "speaker-high-volume", {"sizes": [32]}),
    # banana: ba-na-na (three syllables)
    ("p8.jpg", "photo", "banana",
     {"size": (107, 69), "emoji": 58, "inner": "#f4f9ff", "outer": "#d7e6f4",
      "shadow": "#8aa0b8"}),
    # mela: me-la (two syllables)
    ("p9.jpg", "photo", "red-apple",
     {"size": (74, 74), "emoji": 58, "inner": "#fbfdf3", "outer": "#e2eed3",
      "shadow": "#8fa582"}),
    ("p10.ico", "icon4", "door", {}),
    ("p11.ico", "icon32", "clipboard", {"sizes": [32, 16]}),
]


# --------------------------------------------------------------------------
# Rasterising
# --------------------------------------------------------------------------

def run(cmd):
    subprocess.run(cmd, check=True)


def decode_png(data):
    """Decode an 8-bit RGBA, non-interlaced PNG (what rsvg-convert writes).

    Returns (width, height, rows) where rows is a list of bytes objects of
    4*width bytes each (straight, non-premultiplied RGBA)."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos = 8
    idat = b""
    width = height = None
    while pos < len(data):
        length, ctype = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if ctype == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour != 6 or interlace != 0:
                raise ValueError("expected 8-bit RGBA non-interlaced PNG")
        elif ctype == b"IDAT":
            idat += body
        elif ctype == b"IEND":
            break
    raw = zlib.decompress(idat)
    bpp = 4
    stride = width * bpp
    rows = []
    prev = bytearray(stride)
    i = 0
    for _ in range(height):
        ftype = raw[i]
        line = bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if ftype == 1:
                line[x] = (line[x] + a) & 0xFF
            elif ftype == 2:
                line[x] = (line[x] + b) & 0xFF
            elif ftype == 3:
                line[x] = (line[x] + ((a + b) >> 1)) & 0xFF
            elif ftype == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if (pa <= pb and pa <= pc) else (b if pb <= pc else c)
                line[x] = (line[x] + pred) & 0xFF
            elif ftype != 0:
                raise ValueError("bad PNG filter type %d" % ftype)
        rows.append(bytes(line))
        prev = line
    return width, height, rows


def render(svg, size, tmp):
    """Render an SVG to size x size straight RGBA rows."""
    out = os.path.join(tmp, "render-%d.png" % size)
    run(["rsvg-convert", "--width", str(size), "--height", str(size),
         "--keep-aspect-ratio", "--format", "png", "--output", out, svg])
    with open(out, "rb") as f:
        w, h, rows = decode_png(f.read())
    if (w, h) != (size, size):
        raise ValueError("%s rendered as %dx%d, wanted %d" % (svg, w, h, size))
    return rows


# --------------------------------------------------------------------------
# ICO / CUR containers
# --------------------------------------------------------------------------

def and_mask(transparent_rows, width):
    """1-bit AND mask, bottom-up, rows padded to 32 bits."""
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for row in reversed(transparent_rows):
        line = bytearray(stride)
        for x, t in enumerate(row):
            if t:
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line
    return bytes(out)


def bitmap_header(width, height, bitcount, image_size, colours_used=0):
    # BITMAPINFOHEADER; the height covers XOR image + AND mask (doubled).
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bitcount, 0,
                       image_size, 0, 0, colours_used, 0)


def dib32(rows):
    """32-bit BGRA DIB with AND mask from straight RGBA rows."""
    size = len(rows)
    xor = bytearray()
    for row in reversed(rows):
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
    transparent = [[row[4 * x + 3] == 0 for x in range(size)] for row in rows]
    mask = and_mask(transparent, size)
    return bitmap_header(size, size, 32, len(xor) + len(mask)) + bytes(xor) + mask


def dib4(indices, palette, transparent, size):
    """4-bit palette DIB with AND mask. palette: 16 (r, g, b) tuples."""
    assert len(palette) == 16
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    stride = ((size * 4 + 31) // 32) * 4
    xor = bytearray()
    for y in reversed(range(size)):
        line = bytearray(stride)
        for x in range(size):
            v = indices[y][x] & 0x0F
            line[x >> 1] |= v << 4 if x % 2 == 0 else v
        xor += line
    mask = and_mask(transparent, size)
    return bitmap_header(size, size, 4, len(xor) + len(mask)) + pal + bytes(xor) + mask


def write_container(path, entries, cursor=False):
    """entries: list of (size, bitcount, colour_count, dib, hotspot)."""
    count = len(entries)
    head = struct.pack("<HHH", 0, 2 if cursor else 1, count)
    offset = 6 + 16 * count
    dir_entries = b""
    payload = b""
    for size, bitcount, colours, dib, hotspot in entries:
        if cursor:
            planes, bits = hotspot
        else:
            planes, bits = 1, bitcount
        dir_entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0,
                                   planes, bits, len(dib), offset + len(payload))
        payload += dib
    with open(path, "wb") as f:
        f.write(head + dir_entries + payload)


# --------------------------------------------------------------------------
# 16-colour reduction (median cut followed by a few k-means passes)
# --------------------------------------------------------------------------

def median_cut(pixels, n):
    boxes = [list(pixels)]
    while len(boxes) < n:
        best = None
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            ranges = [max(p[c] for p in box) - min(p[c] for p in box) for c in range(3)]
            score = max(ranges) * len(box)
            if best is None or score > best[0]:
                best = (score, i, ranges.index(max(ranges)))
        if best is None or best[0] == 0:
            break
        _, i, ch = best
        box = sorted(boxes.pop(i), key=lambda p: (p[ch], p))
        mid = len(box) // 2
        boxes += [box[:mid], box[mid:]]
    return [tuple((sum(p[c] for p in box) + len(box) // 2) // len(box) for c in range(3))
            for box in boxes]


def nearest(colour, palette):
    best, best_d = 0, None
    for i, p in enumerate(palette):
        d = (2 * (colour[0] - p[0]) ** 2 + 4 * (colour[1] - p[1]) ** 2
             + 3 * (colour[2] - p[2]) ** 2)
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def quantise(pixels, n):
    palette = median_cut(pixels, n)
    for _ in range(8):
        sums = [[0, 0, 0, 0] for _ in palette]
        for p in pixels:
            s = sums[nearest(p, palette)]
            s[0] += p[0]; s[1] += p[1]; s[2] += p[2]; s[3] += 1
        palette = [tuple((s[c] + s[3] // 2) // s[3] for c in range(3)) if s[3] else palette[i]
                   for i, s in enumerate(sums)]
    return palette


def make_icon4(svg, size, tmp):
    rows = render(svg, size, tmp)
    transparent = [[row[4 * x + 3] < 128 for x in range(size)] for row in rows]
    opaque = [tuple(row[4 * x:4 * x + 3]) for y, row in enumerate(rows)
              for x in range(size) if not transparent[y][x]]
    # Index 0 is black: transparent pixels use it, so that (screen AND mask)
    # XOR colour leaves the screen untouched.  15 colours for the picture.
    colours = sorted(set(quantise(opaque, 15)))
    palette = [(0, 0, 0)] + colours
    palette += [(0, 0, 0)] * (16 - len(palette))
    indices = []
    cache = {}
    for y, row in enumerate(rows):
        line = []
        for x in range(size):
            if transparent[y][x]:
                line.append(0)
                continue
            c = tuple(row[4 * x:4 * x + 3])
            if c not in cache:
                cache[c] = 1 + nearest(c, colours)
            line.append(cache[c])
        indices.append(line)
    return dib4(indices, palette, transparent, size)


# --------------------------------------------------------------------------
# JPEG pictures
# --------------------------------------------------------------------------

def make_photo(svg, out, params, tmp):
    """The emoji standing on a soft pale background with a gentle shadow.

    Composed at 4x the final size and scaled down for smooth edges."""
    k = 4
    w, h = params["size"]
    W, H = w * k, h * k
    e = params["emoji"] * k
    emoji_png = os.path.join(tmp, "photo-emoji.png")
    run(["rsvg-convert", "--width", str(e), "--height", str(e), "--keep-aspect-ratio",
         "--format", "png", "--output", emoji_png, svg])
    ex = (W - e) // 2
    ey = (H - e) // 2 - k
    sx0, sx1 = W // 2 - e * 36 // 100, W // 2 + e * 36 // 100
    sy0, sy1 = ey + e * 88 // 100, ey + e * 100 // 100
    run(["convert",
         "-size", "%dx%d" % (W, H),
         "-define", "gradient:extent=farthest-corner",
         "radial-gradient:%s-%s" % (params["inner"], params["outer"]),
         "(", "-size", "%dx%d" % (W, H), "xc:none",
         "-fill", params["shadow"],
         "-draw", "ellipse %d,%d %d,%d 0,360" % ((sx0 + sx1) // 2, (sy0 + sy1) // 2,
                                                 (sx1 - sx0) // 2, (sy1 - sy0) // 2),
         "-channel", "A", "-evaluate", "multiply", "0.45", "+channel",
         "-blur", "0x%d" % (3 * k), ")",
         "-compose", "over", "-composite",
         emoji_png, "-geometry", "+%d+%d" % (ex, ey), "-compose", "over", "-composite",
         "-filter", "Lanczos", "-resize", "%dx%d!" % (w, h),
         "-alpha", "off", "-colorspace", "sRGB", "-type", "TrueColor",
         "-strip", "-interlace", "none", "-sampling-factor", "1x1",
         "-quality", "92", "jpeg:" + out])


# --------------------------------------------------------------------------

def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--emoji", default=DEFAULT_EMOJI,
                    help="folder with the Fluent Emoji SVGs (default: %(default)s)")
    ap.add_argument("--out", default=DEFAULT_OUT, help="output folder (default: %(default)s)")
    args = ap.parse_args()

    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="zampirolo-pictures-") as tmp:
        for name, kind, emoji, params in PICTURES:
            svg = os.path.join(args.emoji, emoji + ".svg")
            if not os.path.isfile(svg):
                sys.exit("missing emoji %s (is fluentui-emoji@1.3.0 installed?)" % svg)
            out = os.path.join(args.out, name)
            if kind == "icon32":
                entries = [(s, 32, 0, dib32(render(svg, s, tmp)), None)
                           for s in params["sizes"]]
                write_container(out, entries)
            elif kind == "icon4":
                write_container(out, [(32, 4, 16, make_icon4(svg, 32, tmp), None)])
            elif kind == "cursor32":
                write_container(out, [(32, 32, 0, dib32(render(svg, 32, tmp)),
                                       params["hotspot"])], cursor=True)
            elif kind == "photo":
                make_photo(svg, out, params, tmp)
            else:
                raise ValueError(kind)
            print("wrote %s  (%s)" % (os.path.relpath(out), emoji))


if __name__ == "__main__":
    main()

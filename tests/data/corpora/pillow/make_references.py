#!/usr/bin/env python3
"""Rebuilds references.tsv: what ImageMagick decodes from each file here.

Each good file gets its size and the FNV-1a 64 hash of its pixels as 8-bit
RGB flattened onto white (the way pictures enter the program). Files that
ImageMagick refuses are expected to be refused, unless listed in OURS.

Where ImageMagick's pixels are not the right ones, the reference is
another decode that is (ALTERNATIVE), or the hash of our own decode,
checked by eye and kept from the previous references.tsv (OURS). Small
differences of rounding get a tolerance (TOLERANCE) and a reference PNG in
references/.

Run from this folder: ./make_references.py  (needs ImageMagick 6's convert)
"""
import os
import subprocess
import sys

CONVERT = "/usr/bin/convert-im6.q16"
EXTENSIONS = {".bmp", ".pcx", ".dcx", ".ico", ".cur", ".tga", ".ppm", ".pgm", ".pbm", ".pnm"}

# Damaged in ways a reader must refuse, although ImageMagick shows something.
REFUSED = {
    "bmp/b/badheadersize.bmp": "header size 66 belongs to no BMP version",
    "bmp/b/badrle.bmp": "run-length data moves outside the picture",
    "bmp/b/rletopdown.bmp": "run-length data cannot be stored top-down",
    "decompression_bomb.ico": "its bitmap header claims 65535 x 32767 pixels in a 198-byte file",
}

ROUNDING = "ImageMagick rounds through 16-bit samples; results differ by one level"
TOLERANCE = {
    "bmp/g/rgb16.bmp": (1, "ImageMagick widens 5-bit fields by bit replication; we round v*255/31, "
                           "which matches the suite's own reference PNG exactly"),
    "bmp/g/rgb16-565.bmp": (1, "as rgb16.bmp, for 5- and 6-bit fields"),
    "bmp/g/rgb16-565pal.bmp": (1, "as rgb16.bmp, for 5- and 6-bit fields"),
    "bmp/q/rgb32-111110.bmp": (1, "10- and 11-bit fields: ImageMagick shifts, we round"),
    "16_bit_binary.pgm": (1, ROUNDING),
    "pillow.ico": (1, "alpha over white: " + ROUNDING),
    "deerstalker.cur": (1, "alpha over white: " + ROUNDING),
    "python.ico": (1, "the largest entry (48 x 48), ImageMagick's third frame; alpha over white: " + ROUNDING),
    "tga/common/200x32_rgba_bl_raw.tga": (1, "alpha over white: " + ROUNDING),
    "tga/common/200x32_rgba_bl_rle.tga": (1, "alpha over white: " + ROUNDING),
    "tga/common/200x32_rgba_tl_raw.tga": (1, "alpha over white: " + ROUNDING),
    "tga/common/200x32_rgba_tl_rle.tga": (1, "alpha over white: " + ROUNDING),
}

# name -> (ImageMagick arguments standing for the right decode, reason)
ALTERNATIVE = {
    "bmp/q/pal8os2v2.bmp": (["bmp/g/pal8.bmp"], "ImageMagick misreads the OS/2 2.x header; it is the picture of g/pal8.bmp"),
    "python.ico": (["python.ico[2]"], "the largest entry (48 x 48) is the one read; ImageMagick's first frame is 16 x 16"),
    "pil184.pcx": (["pil184.pcx", "-negate"], "ImageMagick inverts this 1-bit PCX; the header palette says 0 black, 1 white"),
    "bmp/q/rgb32fakealpha.bmp": (["bmp/q/rgb32fakealpha.bmp", "-alpha", "off"],
                                 "the fourth byte of a plain 32-bit pixel is not alpha"),
    "rgb32rle.tga": (["rgb32rle.tga", "-alpha", "off"], "alpha bits 0 in the descriptor: the fourth byte is not alpha"),
    "rgb32rle_bottom_right.tga": (["rgb32rle_bottom_right.tga", "-alpha", "off"], "as rgb32rle.tga"),
    "rgb32rle_top_right.tga": (["rgb32rle_top_right.tga", "-alpha", "off"], "as rgb32rle.tga"),
}

# name -> reason; the hash is our decode, checked by eye.
OURS = {
    "bmp/q/pal2.bmp": "2-bit palette, which ImageMagick refuses",
    "bmp/q/pal8oversizepal.bmp": "a palette larger than 8 bits can index: the first 256 are used; ImageMagick refuses",
    "bmp/q/rgb24jpeg.bmp": "JPEG inside a BMP, which ImageMagick refuses",
    "bmp/q/rgb24png.bmp": "PNG inside a BMP, which ImageMagick refuses",
    "bmp/q/rgba32abf.bmp": "alpha bit fields (compression 6), which ImageMagick refuses",
    "bmp/q/rgb16-231.bmp": "2-3-1 bit fields widened to full range; ImageMagick leaves them dark",
    "bmp/q/rgba16-4444.bmp": "4-bit fields widened by v*17; ImageMagick shifts them",
    "bmp/q/pal4rletrns.bmp": "pixels the run-length data skips are transparent, so white",
    "bmp/q/pal8rletrns.bmp": "pixels the run-length data skips are transparent, so white",
    "bmp/b/badfilesize.bmp": "only the file size field is wrong, and readers need not trust it",
    "bmp/b/badpalettesize.bmp": "an absurd colour count is capped at the 256 an 8-bit pixel can index",
    "la.tga": "grey with alpha; ImageMagick misreads 16-bit grey Targa as 16-bit colour",
    "tga/common/200x32_la_bl_raw.tga": "as la.tga",
    "tga/common/200x32_la_bl_rle.tga": "as la.tga",
    "tga/common/200x32_la_tl_raw.tga": "as la.tga",
    "tga/common/200x32_la_tl_rle.tga": "as la.tga",
}


def fnv1a64(data):
    h = 0xCBF29CE484222325
    for b in data:
        h ^= b
        h = (h * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return "%016x" % h


def im_decode(args):
    """Pixels and size of ImageMagick's decode, or None when it refuses."""
    source = args if len(args) > 1 or "[" in args[0] else [args[0] + "[0]"]
    common = ["-auto-orient", "-background", "white", "-flatten", "-depth", "8"]
    rgb = subprocess.run([CONVERT] + source + common + ["rgb:-"], capture_output=True)
    size = subprocess.run([CONVERT] + source + common + ["-format", "%w %h", "info:"], capture_output=True, text=True)
    if rgb.returncode != 0 or size.returncode != 0 or not rgb.stdout:
        return None
    w, h = map(int, size.stdout.split())
    if len(rgb.stdout) != w * h * 3:
        sys.exit("unexpected pixel count for " + " ".join(args))
    return rgb.stdout, w, h


def previous_rows():
    rows = {}
    if os.path.exists("references.tsv"):
        for line in open("references.tsv"):
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            rows[fields[0]] = fields
    return rows


def corpus_files():
    for folder, _, names in os.walk("."):
        for name in names:
            if os.path.splitext(name)[1].lower() in EXTENSIONS:
                yield os.path.normpath(os.path.join(folder, name))


def main():
    old = previous_rows()
    rows = []
    os.makedirs("references", exist_ok=True)
    for rel in sorted(corpus_files()):
        if rel in REFUSED:
            rows.append([rel, "refused", "", "", "", "", REFUSED[rel]])
            continue
        if rel in OURS:
            if rel not in old or old[rel][1] != "match":
                sys.exit(rel + ": put the hash of our own decode into references.tsv first")
            rows.append(old[rel][:6] + [OURS[rel]])
            continue
        args, reason = ALTERNATIVE.get(rel, ([rel], ""))
        decoded = im_decode(args)
        if decoded is None:
            rows.append([rel, "refused", "", "", "", "", "ImageMagick refuses it too"])
            continue
        pixels, w, h = decoded
        tolerance, why = TOLERANCE.get(rel, (0, reason))
        if tolerance:
            ref = "references/" + rel.replace("/", "_") + ".png"
            subprocess.run([CONVERT, "-size", "%dx%d" % (w, h), "-depth", "8", "rgb:-", "png24:" + ref],
                           input=pixels, check=True)
        rows.append([rel, "match", str(w), str(h), fnv1a64(pixels), str(tolerance), why])
    with open("references.tsv", "w") as out:
        out.write("# file\tresult\twidth\theight\tfnv1a64-of-rgb\ttolerance\tnote\n")
        for row in rows:
            out.write("\t".join(row) + "\n")


if __name__ == "__main__":
    main()

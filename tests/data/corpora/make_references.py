#!/usr/bin/env python3
"""Rebuilds references.tsv: what ImageMagick decodes from each corpus file.

Each good file gets its size and the FNV-1a 64 hash of its pixels as 8-bit
RGB flattened onto white (the way pictures enter the program). Files listed
in KNOWN_BAD, and files ImageMagick itself refuses, are expected to be
refused. Entries whose hash we do not reproduce for a legitimate reason are
marked by hand in OVERRIDES with a tolerance; their reference pixels are
kept as small PNGs in references/.

Run from this folder: ./make_references.py
"""
import os
import struct
import subprocess
import sys
import tempfile

SUITES = ["pngsuite", "libtiff", "openjpeg"]
EXTENSIONS = {".png", ".tif", ".tiff", ".g3", ".j2k", ".j2c", ".jp2"}
# Corrupt on purpose (PngSuite's x* files) or damaged in ways a reader must refuse.
KNOWN_BAD_PREFIXES = {"pngsuite": ["x"]}
# name -> (maximum channel difference, reason), filled in after comparing.
OVERRIDES = {
    "libtiff/minisblack-1c-16b.tiff": (1, "ImageMagick truncates 16-bit samples to 8 bits; we round"),
    "libtiff/rgb-3c-16b.tiff": (1, "ImageMagick truncates 16-bit samples to 8 bits; we round"),
    "libtiff/palette-1c-4b.tiff": (1, "16-bit colour map: ImageMagick rounds, libtiff truncates"),
    "libtiff/palette-1c-8b.tiff": (1, "16-bit colour map: ImageMagick rounds, libtiff truncates"),
    "openjpeg/file2.jp2": (2, "sYCC to RGB conversion rounds differently"),
    "openjpeg/file3.jp2": (2, "sYCC to RGB conversion rounds differently"),
    "openjpeg/subsampling_1.jp2": (2, "sYCC to RGB conversion rounds differently"),
    "openjpeg/file6.jp2": (1, "12-bit samples: ImageMagick truncates to 8 bits; we round"),
    "openjpeg/p1_04.j2k": (1, "12-bit samples: ImageMagick truncates to 8 bits; we round"),
    "openjpeg/p0_06.j2k": (2, "samples above 8 bits: ImageMagick truncates to 8 bits; we round"),
}
# ImageMagick decodes only the first tile of these tiled code streams, or
# refuses them; their reference is OpenJPEG's own opj_decompress
# (Debian package libopenjp2-tools), converted to RGB by ImageMagick.
OPJ_REFERENCE = {"openjpeg/" + name for name in [
    "a4_colr.j2c", "b1_mono.j2c", "b2_mono.j2c", "b3_mono.j2c", "d2_colr.j2c", "e1_colr.j2c", "e2_colr.j2c",
    "p0_02.j2k", "p0_10.j2k", "p1_01.j2k", "p1_05.j2k", "subsampling_2.jp2"]}
# name -> (width, height, reason): components of different sizes, which
# neither tool writes as one picture; only the size is compared.
SIZE_ONLY = {
    "openjpeg/a6_mono_colr.j2c": (303, 179, "components of different sizes; no reference decoder writes them"),
    "openjpeg/p1_07.j2k": (8, 12, "components of different sizes; no reference decoder writes them"),
}
# name -> reason: good files this program refuses on purpose.
REFUSED = {
    "libtiff/test_float64_predictor2_be_lzw.tif": "64-bit floating-point samples are not supported",
    "libtiff/test_float64_predictor2_le_lzw.tif": "64-bit floating-point samples are not supported",
    "libtiff/testfax3_bug54_1dnoEOL.tif": "every strip fails to decode; ImageMagick shows a blank page",
}
# name -> reason: ImageMagick 6 decodes these wrongly, so only the size is
# compared; the pixels were checked by eye.
IMAGEMAGICK_WRONG = {
    "libtiff/ojpeg_chewey_subsamp21_multi_strip.tiff": "ImageMagick leaves old-style JPEG in YCbCr (green picture)",
    "libtiff/ojpeg_zackthecat_subsamp22_single_strip.tiff": "ImageMagick leaves old-style JPEG in YCbCr (green picture)",
    "libtiff/minisblack-2c-8b-alpha.tiff": "ImageMagick misreads the separate alpha plane (green, opaque)",
}
# name -> extra ImageMagick arguments that give the picture as we define it.
RECIPES = {
    "libtiff/miniswhite-1c-1b.g3": (["-crop", "1728x1728+0+0", "+repage"],
                                    "ImageMagick assumes 2592 columns; the lines hold 1728, the rest is white"),
}


def fnv1a64(data):
    h = 0xCBF29CE484222325
    for b in data:
        h ^= b
        h = (h * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return "%016x" % h


def png_chunks(path):
    data = open(path, "rb").read()
    i, chunks = 8, []
    while i + 8 <= len(data):
        n, = struct.unpack(">I", data[i:i + 4])
        chunks.append((data[i + 4:i + 8], data[i:i + 12 + n]))
        i += 12 + n
    return data[:8], chunks


def without_gamma(path):
    """ImageMagick applies some gAMA chunks; the program keeps the stored
    samples, so the reference is made from a copy without the chunk."""
    signature, chunks = png_chunks(path)
    copy = tempfile.NamedTemporaryFile(suffix=".png", delete=False)
    copy.write(signature + b"".join(raw for kind, raw in chunks if kind != b"gAMA"))
    copy.close()
    return copy.name


def png_rounds_differently(path):
    _, chunks = png_chunks(path)
    ihdr = dict(chunks)[b"IHDR"]
    depth, colour = ihdr[16], ihdr[17]
    return depth == 16 or colour in (4, 6)


def im_args(path, extra):
    # "[0]" asks for the first picture, except of JPEG 2000, where
    # ImageMagick reads it as the first tile.
    first = "" if path.endswith((".j2k", ".j2c", ".jp2")) else "[0]"
    return ["convert", path + first] + extra + ["+repage", "-background", "white", "-flatten"]


def im_decode(path, extra=()):
    rgb = subprocess.run(im_args(path, list(extra)) + ["-depth", "8", "rgb:-"], capture_output=True)
    if rgb.returncode != 0 or not rgb.stdout:
        return None
    return rgb.stdout


def im_size(path, extra=()):
    out = subprocess.run(im_args(path, list(extra)) + ["-format", "%w %h", "info:"], capture_output=True, text=True)
    w, h = out.stdout.split()
    return int(w), int(h)


def main():
    rows = []
    os.makedirs("references", exist_ok=True)
    for suite in SUITES:
        for name in sorted(os.listdir(suite)):
            if os.path.splitext(name)[1].lower() not in EXTENSIONS:
                continue
            rel = suite + "/" + name
            bad = any(name.startswith(p) for p in KNOWN_BAD_PREFIXES.get(suite, []))
            if rel in SIZE_ONLY:
                w, h, reason = SIZE_ONLY[rel]
                rows.append([rel, "size", str(w), str(h), "", "", reason])
                continue
            if bad or rel in REFUSED:
                rows.append([rel, "refused", "", "", "", "", REFUSED.get(rel, "corrupt")])
                continue
            source = rel
            extra, note = RECIPES.get(rel, ([], ""))
            tolerance, reason = OVERRIDES.get(rel, (0, ""))
            if rel in OPJ_REFERENCE:
                source = tempfile.mktemp(suffix=".png")
                subprocess.run(["opj_decompress", "-quiet", "-i", rel, "-o", source], check=True,
                               stdout=subprocess.DEVNULL)
                note = "ImageMagick decodes only the first tile; reference from opj_decompress"
            if suite == "pngsuite":
                source = without_gamma(rel)
                if png_rounds_differently(rel):
                    tolerance, reason = 1, "16 bits or alpha: ImageMagick truncates and rounds twice; we round once"
            pixels = im_decode(source, extra)
            if pixels is None:
                rows.append([rel, "refused", "", "", "", "", "ImageMagick refuses it too"])
                continue
            w, h = im_size(source, extra)
            if len(pixels) != w * h * 3:
                sys.exit("unexpected pixel count for " + rel)
            if rel in IMAGEMAGICK_WRONG:
                rows.append([rel, "size", str(w), str(h), "", "", IMAGEMAGICK_WRONG[rel]])
                continue
            if tolerance:
                ref = "references/" + name + ".png"
                subprocess.run(im_args(source, extra) + ["-strip", "-depth", "8", "png24:" + ref], check=True)
            rows.append([rel, "match", str(w), str(h), fnv1a64(pixels), str(tolerance), reason or note])
            if source != rel:
                os.remove(source)
    with open("references.tsv", "w") as out:
        out.write("# file\tresult\twidth\theight\tfnv1a64-of-rgb\ttolerance\tnote\n")
        for row in rows:
            out.write("\t".join(row) + "\n")


if __name__ == "__main__":
    main()

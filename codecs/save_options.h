#pragma once

namespace qm::codecs {

enum class TiffCompression { None, Lzw, Deflate, PackBits, Jpeg, FaxG3, FaxG4 };
enum class BmpFlavour { Windows, Os2 };

// Per-format choices for writing, kept for the whole run by the program and
// edited by the save dialog's advanced options. Defaults are what a user
// gets without touching anything.
struct SaveOptions {
    int jpegQuality = 90;           // 1..100
    bool jpegProgressive = false;
    int pngCompression = 6;         // zlib level 0..9
    TiffCompression tiffCompression = TiffCompression::Lzw;
    BmpFlavour bmpFlavour = BmpFlavour::Windows;
    bool tgaRle = true;
    bool pnmAscii = false;
    double jpeg2000Rate = 0;        // compression ratio; 0 = lossless
    bool gifDither = true;          // error diffusion when colours are reduced to 256
    bool psdRle = true;             // PackBits-compressed channels (else raw)
    friend bool operator==(const SaveOptions&, const SaveOptions&) = default;
};

}  // namespace qm::codecs

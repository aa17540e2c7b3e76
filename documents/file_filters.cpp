#include "documents/file_filters.h"

namespace qm {

const std::vector<FileFilter>& openFilters() {
    static const std::vector<FileFilter> filters{
        {"All graphics",
         "*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.gif;*.jpg;*.jpeg;*.jpe;*.pcx;*.bmp;*.dib;*.rle;*.ico;*.cur;*.png;*.wmf;"
         "*.emf;*.tga;*.targa;*.vda;*.icb;*.vst;*.pix;*.pxm;*.ppm;*.pgm;*.pbm;*.jp2;*.j2k;*.jpc;*.j2c;*.wbmp;*.dcx"},
        {"TIFF Bitmap (TIF;TIFF;FAX;G3N;G3F)", "*.tif;*.tiff;*.fax;*.g3n;*.g3f"},
        {"Compuserve Bitmap (GIF)", "*.gif"},
        {"JPEG Bitmap (JPG;JPEG;JPE)", "*.jpg;*.jpeg;*.jpe"},
        {"PaintBrush (PCX)", "*.pcx"},
        {"Windows Bitmap (BMP;DIB;RLE)", "*.bmp;*.dib;*.rle"},
        {"Windows Icon (ICO)", "*.ico"},
        {"Windows Cursor (CUR)", "*.cur"},
        {"Portable Network Graphics (PNG)", "*.png"},
        {"Windows Metafile (WMF)", "*.wmf"},
        {"Enhanced Windows Metafile (EMF)", "*.emf"},
        {"Targa Bitmap (TGA;TARGA;VDA;ICB;VST;PIX)", "*.tga;*.targa;*.vda;*.icb;*.vst;*.pix"},
        {"Portable Pixmap, GreyMap, BitMap (PXM;PPM;PGM;PBM)", "*.pxm;*.ppm;*.pgm;*.pbm"},
        {"JPEG2000 (JP2)", "*.jp2"},
        {"JPEG2000 Code Stream (J2K;JPC;J2C)", "*.j2k;*.jpc;*.j2c"},
        {"Wireless Bitmap (WBMP)", "*.wbmp"},
        {"Multipage PCX (DCX)", "*.dcx"},
    };
    return filters;
}

const std::vector<FileFilter>& saveFilters() {
    static const std::vector<FileFilter> filters{
        {"JPEG Bitmap (JPG)", "*.jpg"},
        {"TIFF Bitmap (TIF)", "*.tif"},
        {"PaintBrush (PCX)", "*.pcx"},
        {"Portable Network Graphics (PNG)", "*.png"},
        {"Windows Bitmap (BMP)", "*.bmp"},
        {"OS/2 Bitmap (BMP)", "*.bmp"},
        {"Targa Bitmap (TGA)", "*.tga"},
        {"Portable PixMap (PXM)", "*.pxm"},
        {"Portable PixMap (PPM)", "*.ppm"},
        {"Portable GreyMap (PGM)", "*.pgm"},
        {"Portable Bitmap (PBM)", "*.pbm"},
        {"JPEG2000 (JP2)", "*.jp2"},
        {"JPEG2000 Code Stream (J2K)", "*.j2k"},
        {"Adobe PhotoShop (PSD)", "*.psd"},
    };
    return filters;
}

std::string joinFilters(const std::vector<FileFilter>& filters) {
    std::string joined;
    for (const FileFilter& filter : filters) {
        if (!joined.empty()) joined += '|';
        joined.append(filter.description).append("|").append(filter.patterns);
    }
    return joined;
}

}  // namespace qm

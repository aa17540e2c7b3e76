#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "codecs/formats.h"
#include "codecs/tiff_memory.h"
#include "core/error.h"

// Raw CCITT Group 3 data as fax programs store it: no header, so width, bit
// order and coding are found by trying the usual ones until the lines decode
// cleanly. The data is wrapped in a minimal in-memory TIFF for libtiff.
namespace qm::codecs {

namespace {

struct Coding {
    std::uint32_t width;
    std::uint16_t fillOrder;
    std::uint32_t group3Options;
};

// Fax page widths (ITU-T T.4 at standard and fine resolution, and the
// 2592 of a 300 dpi A4 page), each in both bit orders and both codings.
std::vector<Coding> candidateCodings() {
    std::vector<Coding> codings;
    for (std::uint32_t width : {1728u, 2048u, 2432u, 2592u, 3456u, 4096u, 4864u, 864u, 1216u})
        for (std::uint16_t fill : {std::uint16_t(FILLORDER_MSB2LSB), std::uint16_t(FILLORDER_LSB2MSB)})
            for (std::uint32_t options : {0u, std::uint32_t(GROUP3OPT_2DENCODING)}) codings.push_back({width, fill, options});
    return codings;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v)), out.push_back(std::uint8_t(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

// A little-endian TIFF with one strip holding `data` as its G3 image.
std::vector<std::uint8_t> wrapInTiff(std::span<const std::uint8_t> data, const Coding& coding, std::uint32_t rows) {
    struct Entry {
        std::uint16_t tag, type;
        std::uint32_t value;
    };
    const std::uint32_t entryCount = 11, directoryOffset = 8;
    const std::uint32_t stripOffset = directoryOffset + 2 + entryCount * 12 + 4;
    const std::array<Entry, entryCount> entries = {{
        {TIFFTAG_IMAGEWIDTH, TIFF_LONG, coding.width},
        {TIFFTAG_IMAGELENGTH, TIFF_LONG, rows},
        {TIFFTAG_BITSPERSAMPLE, TIFF_SHORT, 1},
        {TIFFTAG_COMPRESSION, TIFF_SHORT, COMPRESSION_CCITTFAX3},
        {TIFFTAG_PHOTOMETRIC, TIFF_SHORT, PHOTOMETRIC_MINISWHITE},
        {TIFFTAG_FILLORDER, TIFF_SHORT, coding.fillOrder},
        {TIFFTAG_STRIPOFFSETS, TIFF_LONG, stripOffset},
        {TIFFTAG_SAMPLESPERPIXEL, TIFF_SHORT, 1},
        {TIFFTAG_ROWSPERSTRIP, TIFF_LONG, rows},
        {TIFFTAG_STRIPBYTECOUNTS, TIFF_LONG, std::uint32_t(data.size())},
        {TIFFTAG_GROUP3OPTIONS, TIFF_LONG, coding.group3Options},
    }};
    std::vector<std::uint8_t> tiff = {'I', 'I', 42, 0};
    put32(tiff, directoryOffset);
    put16(tiff, entryCount);
    for (const Entry& e : entries) {
        put16(tiff, e.tag), put16(tiff, e.type), put32(tiff, 1);
        if (e.type == TIFF_SHORT) put16(tiff, e.value), put16(tiff, 0);
        else put32(tiff, e.value);
    }
    put32(tiff, 0);
    tiff.insert(tiff.end(), data.begin(), data.end());
    return tiff;
}

// Decodes rows until the data runs out or a line goes wrong; returns the
// packed rows that decoded cleanly (none when the coding is wrong).
std::vector<std::uint8_t> decodeRows(std::span<const std::uint8_t> data, const Coding& coding, std::uint32_t& rows) {
    const std::uint64_t bits = std::uint64_t(data.size()) * 8;
    // A coded line takes at least 9 bits, which bounds the line count.
    const std::uint32_t maxRows = std::uint32_t(std::min<std::uint64_t>(bits / 9 + 1, std::uint64_t(kMaxSide)));
    const std::vector<std::uint8_t> tiffBytes = wrapInTiff(data, coding, maxRows);
    std::vector<std::uint8_t> packed;
    rows = 0;
    TiffHandle handle = TiffHandle::openForReading(tiffBytes);
    const std::size_t rowBytes = (coding.width + 7) / 8;
    std::vector<std::uint8_t> line(rowBytes);
    for (std::uint32_t y = 0; y < maxRows; ++y) {
        const std::size_t warningsBefore = handle.warnings().size();
        if (TIFFReadScanline(handle.get(), line.data(), y, 0) < 0) break;
        if (handle.warnings().size() != warningsBefore || !handle.error("").empty()) break;
        packed.insert(packed.end(), line.begin(), line.end());
        ++rows;
    }
    return packed;
}

Image decodeFax(std::span<const std::uint8_t> data, const ReadHints&) {
    std::vector<std::uint8_t> best;
    std::uint32_t bestRows = 0, bestWidth = 0;
    for (const Coding& coding : candidateCodings()) {
        std::uint32_t rows = 0;
        std::vector<std::uint8_t> packed = decodeRows(data, coding, rows);
        // Wrong guesses fail within a line or two; a right one decodes most
        // of the data. Keep the guess that decodes the most lines.
        if (rows > bestRows) {
            best = std::move(packed);
            bestRows = rows;
            bestWidth = coding.width;
        }
        if (bestRows >= 16) break;
    }
    if (bestRows < 2) throw Error("not raw fax data in a known width and coding");
    Image image(static_cast<int>(bestWidth), static_cast<int>(bestRows));
    const std::size_t rowBytes = (bestWidth + 7) / 8;
    for (std::uint32_t y = 0; y < bestRows; ++y) {
        const std::uint8_t* bitsRow = best.data() + y * rowBytes;
        Rgb* out = image.row(int(y));
        for (std::uint32_t x = 0; x < bestWidth; ++x) {
            const bool black = bitsRow[x / 8] & (0x80 >> (x % 8));
            out[x] = black ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
        }
    }
    return image;
}

}  // namespace

Format faxFormat() {
    Format f;
    f.name = "Fax";
    f.extensions = {"fax", "g3n", "g3f"};
    f.decode = decodeFax;
    return f;
}

}  // namespace qm::codecs

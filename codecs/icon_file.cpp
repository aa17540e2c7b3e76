#include "codecs/icon_file.h"

#include <algorithm>
#include <string>

#include "codecs/byte_reader.h"
#include "codecs/dib.h"
#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Entry {
    unsigned width = 0, height = 0, bitCount = 0;
    std::uint32_t size = 0, offset = 0;
};

const char* kindName(IconKind kind) { return kind == IconKind::Icon ? "icon" : "cursor"; }

// Directory sizes of 0 stand for 256. Cursors keep the hot spot where
// icons keep planes and bit count, so their depth is unknown here.
Entry readEntry(ByteReader& r, IconKind kind) {
    Entry e;
    e.width = r.u8();
    e.height = r.u8();
    if (e.width == 0) e.width = 256;
    if (e.height == 0) e.height = 256;
    r.skip(4);  // colour count, reserved, planes or hot spot x
    const unsigned bits = r.u16le();
    e.bitCount = kind == IconKind::Icon ? bits : 0;
    e.size = r.u32le();
    e.offset = r.u32le();
    return e;
}

bool larger(const Entry& a, const Entry& b) {
    const unsigned areaA = a.width * a.height, areaB = b.width * b.height;
    return areaA != areaB ? areaA > areaB : a.bitCount > b.bitCount;
}

}  // namespace

bool looksLikeIconFile(std::span<const std::uint8_t> head, IconKind kind) {
    return head.size() >= 6 && head[0] == 0 && head[1] == 0 && head[2] == std::uint8_t(kind) && head[3] == 0 &&
           (head[4] | head[5]) != 0;
}

Image decodeIconFile(std::span<const std::uint8_t> data, IconKind kind) {
    ByteReader r(data, kind == IconKind::Icon ? "icon directory" : "cursor directory");
    if (r.u16le() != 0 || r.u16le() != std::uint16_t(kind)) throw Error(std::string("not a Windows ") + kindName(kind) + " file");
    const unsigned count = r.u16le();
    if (count == 0) throw Error(std::string("the ") + kindName(kind) + " file holds no pictures");
    Entry best = readEntry(r, kind);
    for (unsigned i = 1; i < count; ++i) {
        const Entry e = readEntry(r, kind);
        if (larger(e, best)) best = e;
    }
    if (best.offset >= data.size()) throw Error(std::string("truncated ") + kindName(kind) + " file");
    // The stored size is often wrong; when it is, take the rest of the file.
    const std::size_t available = data.size() - best.offset;
    const std::size_t length = best.size >= 40 && best.size <= available ? best.size : available;
    const auto entry = data.subspan(best.offset, length);
    if (entry.size() >= 8 && std::equal(kPngSignature, kPngSignature + 8, entry.begin())) {
        const Format png = pngFormat();
        if (!png.decode) throw Error(std::string("PNG pictures inside ") + kindName(kind) + " files cannot be read");
        return png.decode(entry, {});
    }
    DibLayout layout;
    layout.icon = true;
    return decodeDib(entry, layout);
}

}  // namespace qm::codecs

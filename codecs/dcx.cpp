#include "codecs/byte_reader.h"
#include "codecs/formats.h"
#include "codecs/pcx_page.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

constexpr std::uint32_t kDcxMagic = 0x3ADE68B1;

bool sniffDcx(std::span<const std::uint8_t> head) {
    return head.size() >= 4 && head[0] == 0xB1 && head[1] == 0x68 && head[2] == 0xDE && head[3] == 0x3A;
}

// The first page: from the first offset of the page table to the second
// (or to the end of the file when there is only one page).
Image decodeDcx(std::span<const std::uint8_t> data, const ReadHints&) {
    ByteReader reader(data, "DCX page table");
    if (reader.u32le() != kDcxMagic) throw Error("not a DCX file");
    const std::uint32_t first = reader.u32le();
    const std::uint32_t second = reader.u32le();
    if (first == 0) throw Error("DCX file without pages");
    if (first >= data.size()) throw Error("truncated DCX data: the first page starts past the end");
    const std::size_t end = second > first && second <= data.size() ? second : data.size();
    const auto page = data.subspan(first, end - first);
    if (!looksLikePcx(page)) throw Error("the first page of the DCX file is not a PCX picture");
    return decodePcxPage(page);
}

}  // namespace

Format dcxFormat() {
    Format f;
    f.name = "DCX";
    f.extensions = {"dcx"};
    f.sniff = sniffDcx;
    f.decode = decodeDcx;
    return f;
}

}  // namespace qm::codecs

#include "codecs/formats.h"
#include "codecs/icon_file.h"

namespace qm::codecs {

namespace {

bool sniff(std::span<const std::uint8_t> head) { return looksLikeIconFile(head, IconKind::Cursor); }
Image decode(std::span<const std::uint8_t> data, const ReadHints&) { return decodeIconFile(data, IconKind::Cursor); }

}  // namespace

Format curFormat() {
    Format f;
    f.name = "Windows cursor";
    f.extensions = {"cur"};
    f.sniff = sniff;
    f.decode = decode;
    return f;
}

}  // namespace qm::codecs

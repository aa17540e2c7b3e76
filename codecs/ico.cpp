#include "codecs/formats.h"
#include "codecs/icon_file.h"

namespace qm::codecs {

namespace {

bool sniff(std::span<const std::uint8_t> head) { return looksLikeIconFile(head, IconKind::Icon); }
Image decode(std::span<const std::uint8_t> data, const ReadHints&) { return decodeIconFile(data, IconKind::Icon); }

}  // namespace

Format icoFormat() {
    Format f;
    f.name = "Windows icon";
    f.extensions = {"ico"};
    f.sniff = sniff;
    f.decode = decode;
    return f;
}

}  // namespace qm::codecs

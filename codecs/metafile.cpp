#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

bool sniffMetafile(std::span<const std::uint8_t> head) {
    const bool placeable = head.size() >= 4 && head[0] == 0xD7 && head[1] == 0xCD && head[2] == 0xC6 && head[3] == 0x9A;
    const bool windows = head.size() >= 4 && (head[0] == 1 || head[0] == 2) && head[1] == 0 && head[2] == 9 && head[3] == 0;
    const bool enhanced = head.size() >= 44 && head[0] == 1 && head[1] == 0 && head[2] == 0 && head[3] == 0 &&
                          head[40] == ' ' && head[41] == 'E' && head[42] == 'M' && head[43] == 'F';
    return placeable || windows || enhanced;
}

// Drawing a metafile needs a vector renderer that the program does not have;
// the reader exists so the user learns why rather than "not a picture".
Image refuseMetafile(std::span<const std::uint8_t> data, const ReadHints&) {
    if (!sniffMetafile(data)) throw Error("not a Windows metafile");
    throw Error("Windows metafiles (WMF, EMF) cannot be opened by this program; "
                "export the drawing as PNG or JPEG first");
}

}  // namespace

Format metafileFormat() {
    Format f;
    f.name = "Windows metafile";
    f.extensions = {"wmf", "emf"};
    f.sniff = sniffMetafile;
    f.decode = refuseMetafile;
    return f;
}

}  // namespace qm::codecs

#include "codecs/registry.h"

#include "core/error.h"

namespace qm::codecs {

const std::vector<Format>& formats() {
    static const std::vector<Format> all;
    return all;
}

const Format* formatForExtension(std::string_view) { return nullptr; }
const Format* formatForPath(const std::filesystem::path& path) { return formatForExtension(path.extension().string()); }
bool canRead(const std::filesystem::path&) { return false; }
bool canWrite(const std::filesystem::path&) { return false; }

Image readImage(const std::filesystem::path& path, const ReadHints&) {
    throw Error(path.string() + ": no reader for this kind of file");
}

void writeImage(const Image&, const std::filesystem::path& path, const SaveOptions&) {
    throw Error(path.string() + ": no writer for this kind of file");
}

void writeFileAtomically(const std::filesystem::path&, std::span<const std::uint8_t>) {}

}  // namespace qm::codecs

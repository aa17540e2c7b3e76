#include "documents/save_name.h"

namespace qm {

namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string reducedSaveName(const std::string& documentName) {
    std::string name = std::filesystem::path(documentName).filename().string();
    // Step back over three characters; the one before them must be the dot.
    std::size_t position = name.size();
    for (int characters = 0; characters < 3; ++characters) {
        if (position == 0) return name;
        --position;
        while (position > 0 && isContinuationByte(name[position])) --position;
    }
    if (position == 0 || name[position - 1] != '.') return name;
    name.erase(position - 1);
    return name;
}

std::filesystem::path backupPath(const std::filesystem::path& file) {
    std::filesystem::path backup = file;
    backup.replace_extension(".bak");
    return backup;
}

}  // namespace qm

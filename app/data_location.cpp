#include "app/data_location.h"

namespace qm {

std::filesystem::path findDataDir(const std::filesystem::path& executableDir) {
    std::error_code ec;
    const auto beside = executableDir / "data";
    if (std::filesystem::is_directory(beside, ec)) return beside;
    const std::filesystem::path installed = QUILLMOUNT_INSTALLED_DATA_DIR;
    if (std::filesystem::is_directory(installed, ec)) return installed;
    return beside;
}

}  // namespace qm

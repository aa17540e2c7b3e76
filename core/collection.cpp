#include "core/collection.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace qm {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isCollectionPicture(const std::filesystem::path& path) {
    static constexpr std::array<std::string_view, 4> kAccepted{".bmp", ".jpg", ".png", ".gif"};
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), lower);
    return std::find(kAccepted.begin(), kAccepted.end(), extension) != kAccepted.end();
}

bool naturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Compare the numbers by value without converting them, so any
            // length of digits works: skip leading zeros, then the longer run
            // is larger, then the first differing digit decides.
            std::size_t ia = i, jb = j;
            while (ia < a.size() && a[ia] == '0') ++ia;
            while (jb < b.size() && b[jb] == '0') ++jb;
            std::size_t ea = ia, eb = jb;
            while (ea < a.size() && isDigit(a[ea])) ++ea;
            while (eb < b.size() && isDigit(b[eb])) ++eb;
            if (ea - ia != eb - jb) return ea - ia < eb - jb;
            for (std::size_t k = 0; k < ea - ia; ++k)
                if (a[ia + k] != b[jb + k]) return a[ia + k] < b[jb + k];
            i = ea;
            j = eb;
            continue;
        }
        const char ca = lower(a[i]), cb = lower(b[j]);
        if (ca != cb) return ca < cb;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
    // Equal when read naturally ("Oak.png" and "oak.png", "a01" and "a1"):
    // fall back to the plain bytes so the order is still total and stable.
    return a < b;
}

std::vector<std::filesystem::path> listCollection(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> pictures;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec), end;
    if (ec) return pictures;
    for (; it != end; it.increment(ec)) {
        if (ec) break;
        const auto& entry = *it;
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code typeError;
        // Follows symbolic links: a link to a picture is a picture.
        if (!entry.is_regular_file(typeError)) continue;
        if (!isCollectionPicture(entry.path())) continue;
        pictures.push_back(entry.path());
    }
    std::sort(pictures.begin(), pictures.end(), [](const auto& a, const auto& b) {
        return naturalLess(a.filename().string(), b.filename().string());
    });
    return pictures;
}

}  // namespace qm

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "core/error.h"
#include "documents/safe_save.h"

namespace qm {
namespace {

struct Folder {
    std::filesystem::path path;
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillmount-save-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path); }
};

void put(const std::filesystem::path& file, const std::string& text) { std::ofstream(file) << text; }
std::string get(const std::filesystem::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(RenameWithoutReplacing, RefusesAnExistingTarget) {
    Folder folder;
    put(folder.path / "a", "new");
    put(folder.path / "b", "old");
    EXPECT_FALSE(renameWithoutReplacing(folder.path / "a", folder.path / "b"));
    EXPECT_EQ(get(folder.path / "b"), "old");
    EXPECT_EQ(get(folder.path / "a"), "new");
    EXPECT_TRUE(renameWithoutReplacing(folder.path / "a", folder.path / "c"));
    EXPECT_EQ(get(folder.path / "c"), "new");
    EXPECT_FALSE(std::filesystem::exists(folder.path / "a"));
    EXPECT_THROW(renameWithoutReplacing(folder.path / "missing", folder.path / "d"), Error);
}

TEST(SaveImageFile, MissingFolderFailsWithTheTargetNamed) {
    const std::filesystem::path target = "/nonexistent-quillmount-folder/picture.png";
    try {
        saveImageFile(Image(2, 2, Rgb{}), target, {}, KeepBackup::IfNoneExists);
        FAIL() << "saved into a missing folder";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(target.string()), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace qm

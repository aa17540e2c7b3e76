#include <gtest/gtest.h>

#include "documents/file_filters.h"
#include "documents/save_name.h"

namespace qm {
namespace {

TEST(SaveName, DropsFolderAndThreeLetterExtensionOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"/photos/beach.jpg", "beach"},
        {"/photos/beach.jpeg", "beach.jpeg"},
        {"/photos/beach.tar.gz", "beach.tar.gz"},
        {"beach", "beach"},
        {"abc", "abc"},
        {"/photos/.png", ""},
        {"/photos/archive.2024/notes", "notes"},
        {"/photos/plage.jpé", "plage"},  // three characters, four bytes
    };
    for (const auto& [name, reduced] : cases) EXPECT_EQ(reducedSaveName(name), reduced) << name;
}

TEST(SaveName, BackupReplacesTheExtension) {
    EXPECT_EQ(backupPath("/photos/beach.jpg"), "/photos/beach.bak");
    EXPECT_EQ(backupPath("/photos/beach.png"), "/photos/beach.bak");
    EXPECT_EQ(backupPath("/photos/beach"), "/photos/beach.bak");
}

TEST(FileFilters, JoinedWithBarsAndGifNotSaved) {
    const std::string save = joinFilters(saveFilters());
    EXPECT_TRUE(save.starts_with("JPEG Bitmap (JPG)|*.jpg|TIFF Bitmap (TIF)|*.tif|PaintBrush (PCX)|*.pcx|"));
    EXPECT_TRUE(save.ends_with("|Adobe PhotoShop (PSD)|*.psd"));
    EXPECT_EQ(save.find("gif"), std::string::npos);
    EXPECT_EQ(openFilters().size(), 17u);
    EXPECT_EQ(joinFilters(openFilters()).substr(0, 26), "All graphics|*.tif;*.tiff;");
}

}  // namespace
}  // namespace qm

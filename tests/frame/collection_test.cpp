#include "core/collection.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/centred_thumbnail.h"

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("qm-collection-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }
    void touch(const std::string& name) const { std::ofstream(path_ / name) << "x"; }

private:
    fs::path path_;
};

std::vector<std::string> names(const std::vector<fs::path>& paths) {
    std::vector<std::string> out;
    for (const auto& p : paths) out.push_back(p.filename().string());
    return out;
}

TEST(Collection, TakesOnlyPlainVisiblePicturesWithTheFourExtensions) {
    TempFolder folder;
    for (const char* name : {"FRAME.PNG", "Oak.Jpg", "oak.jpeg", "oak.tif", ".oak.png", "plain.bmp", "anim.GIF",
                             "notes.txt", "noextension"})
        folder.touch(name);
    fs::create_directory(folder.path() / "x.png");
    folder.touch("x.png/inner.png");  // sub-folders are not searched

    EXPECT_EQ(names(qm::listCollection(folder.path())),
              (std::vector<std::string>{"anim.GIF", "FRAME.PNG", "Oak.Jpg", "plain.bmp"}));
}

TEST(Collection, ReturnsFullPathsInsideTheFolder) {
    TempFolder folder;
    folder.touch("a.png");
    const auto files = qm::listCollection(folder.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], folder.path() / "a.png");
}

TEST(Collection, MissingOrEmptyFolderGivesNothing) {
    TempFolder folder;
    EXPECT_TRUE(qm::listCollection(folder.path()).empty());
    EXPECT_TRUE(qm::listCollection(folder.path() / "missing").empty());
    folder.touch("file.png");
    EXPECT_TRUE(qm::listCollection(folder.path() / "file.png").empty());  // a file, not a folder
}

TEST(Collection, SortsNaturallyWithoutCase) {
    TempFolder folder;
    for (const char* name : {"wood10.png", "Wood2.png", "wood1.png", "beech.png", "Ash.png", "wood02b.png"})
        folder.touch(name);
    EXPECT_EQ(names(qm::listCollection(folder.path())),
              (std::vector<std::string>{"Ash.png", "beech.png", "wood1.png", "Wood2.png", "wood02b.png",
                                        "wood10.png"}));
}

TEST(NaturalLess, IsAStrictOrderEvenForNamesThatReadAlike) {
    const std::vector<std::string> names{"a", "A", "a1", "a01", "a001", "a2", "a10", "a99999999999999999999",
                                         "a100000000000000000000", "b", "a1b", "a01a"};
    for (const auto& x : names) {
        EXPECT_FALSE(qm::naturalLess(x, x)) << x;
        for (const auto& y : names)
            if (x != y) {
                EXPECT_NE(qm::naturalLess(x, y), qm::naturalLess(y, x)) << x << " / " << y;
            }
    }
    EXPECT_TRUE(qm::naturalLess("a99999999999999999999", "a100000000000000000000"));
    EXPECT_TRUE(qm::naturalLess("a01a", "a1b"));
}

struct PlacementCase {
    int width, height;
    qm::CentredThumbnailPlacement expected;
};

TEST(CentredThumbnail, PlacesNarrowPicturesInTheMiddle) {
    const PlacementCase cases[] = {
        {40, 20, {100, 100, 30, 40}},
        {40, 150, {100, 150, 30, 0}},
        {99, 20, {100, 100, 0, 40}},
        {64, 64, {100, 100, 18, 18}},
        {50, 300, {100, 300, 25, 0}},
        {1, 1, {100, 100, 49, 49}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qm::centredThumbnailPlacement(c.width, c.height), c.expected) << c.width << "x" << c.height;
    EXPECT_TRUE(qm::needsCentredThumbnail(99));
    EXPECT_FALSE(qm::needsCentredThumbnail(100));
}

TEST(CentredThumbnail, DrawsThePictureUnscaledOnTheBackground) {
    qm::Image pattern(40, 20, {200, 10, 10});
    const qm::Rgb face{240, 240, 240};
    const qm::Image thumb = qm::makeCentredThumbnail(pattern, face);
    ASSERT_EQ(thumb.width(), 100);
    ASSERT_EQ(thumb.height(), 100);
    EXPECT_EQ(thumb.at(29, 40), face);
    EXPECT_EQ(thumb.at(30, 40), pattern.at(0, 0));
    EXPECT_EQ(thumb.at(69, 59), pattern.at(0, 0));
    EXPECT_EQ(thumb.at(70, 59), face);
    EXPECT_EQ(thumb.at(30, 60), face);
}

}  // namespace

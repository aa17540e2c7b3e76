#include <gtest/gtest.h>

#include "documents/print_layout.h"

namespace qm {
namespace {

void expectRect(const PageRect& rect, double x, double y, double width, double height) {
    EXPECT_NEAR(rect.x, x, 1e-9);
    EXPECT_NEAR(rect.y, y, 1e-9);
    EXPECT_NEAR(rect.width, width, 1e-9);
    EXPECT_NEAR(rect.height, height, 1e-9);
}

TEST(PrintLayout, FitKeepsProportionsInsideTheMargins) {
    PrintLayout layout;  // 10 mm margins, centred
    // A4 portrait: 190 x 277 room; a 2:1 picture is bounded by the width.
    expectRect(placePicture(100, 50, 210, 297, layout), 10, 148.5 - 47.5, 190, 95);
    // A tall picture is bounded by the height.
    expectRect(placePicture(10, 100, 210, 297, layout), 105 - 13.85, 10, 27.7, 277);
}

TEST(PrintLayout, SizesAndAlignments) {
    PrintLayout layout;
    layout.size = PrintSize::OriginalSize;
    layout.pixelsPerInch = 254;  // 10 pixels a millimetre
    layout.horizontal = PrintAlignment::Start;
    layout.vertical = PrintAlignment::End;
    expectRect(placePicture(300, 200, 210, 297, layout), 10, 287 - 20, 30, 20);

    layout.size = PrintSize::Custom;
    layout.customWidth = 50;
    layout.customHeight = 40;
    layout.horizontal = PrintAlignment::End;
    layout.vertical = PrintAlignment::Start;
    layout.marginRight = 30;
    expectRect(placePicture(300, 200, 210, 297, layout), 210 - 30 - 50, 10, 50, 40);
    EXPECT_DOUBLE_EQ(proportionalHeight(300, 200, 60), 40);
}

TEST(PrintLayout, NoRoomOrNoPictureGivesNothingToDraw) {
    PrintLayout layout;
    layout.marginLeft = 150;
    layout.marginRight = 150;
    EXPECT_EQ(placePicture(100, 50, 210, 297, layout).width, 0);
    EXPECT_EQ(placePicture(0, 50, 210, 297, PrintLayout{}).width, 0);
    layout.size = PrintSize::OriginalSize;
    layout.pixelsPerInch = 0;
    EXPECT_EQ(placePicture(100, 50, 210, 297, layout).width, 0);
}

}  // namespace
}  // namespace qm

#pragma once

namespace qm {

enum class PrintSize { FitToPage, OriginalSize, Custom };
enum class PrintAlignment { Start, Center, End };  // left/top, centre, right/bottom

// Where a picture goes on the page. Lengths are in millimetres.
struct PrintLayout {
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;
    PrintSize size = PrintSize::FitToPage;
    double pixelsPerInch = 96;                     // for OriginalSize
    double customWidth = 100, customHeight = 100;  // for Custom
    PrintAlignment horizontal = PrintAlignment::Center;
    PrintAlignment vertical = PrintAlignment::Center;
};

struct PageRect {
    double x = 0, y = 0, width = 0, height = 0;
};

// The rectangle on a page of pageWidth x pageHeight that the picture of
// pictureWidth x pictureHeight pixels covers: sized by `layout.size` (fit
// keeps the proportions inside the margins) and aligned inside the margins.
// Margins that leave no room make a fitted picture empty.
PageRect placePicture(int pictureWidth, int pictureHeight, double pageWidth, double pageHeight,
                      const PrintLayout& layout);

// The height in millimetres that keeps the picture's proportions at `width`.
double proportionalHeight(int pictureWidth, int pictureHeight, double width);

}  // namespace qm

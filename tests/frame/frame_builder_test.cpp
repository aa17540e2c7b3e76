#include "frame/frame_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/error.h"

using qm::FrameOptions;
using qm::FramePosition;
using qm::Image;
using qm::Rgb;

namespace {

// Every pattern pixel tells where it came from: red = column, green = row.
// Picture pixels carry blue 7, pattern pixels blue 200.
Image codedPattern(int length, int thickness) {
    Image p(length, thickness);
    for (int y = 0; y < thickness; ++y)
        for (int x = 0; x < length; ++x) p.at(x, y) = {std::uint8_t(x), std::uint8_t(y), 200};
    return p;
}

Image codedPicture(int width, int height) {
    Image p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.at(x, y) = {std::uint8_t(x), std::uint8_t(y), 7};
    return p;
}

bool isPicture(Rgb c) { return c.b == 7; }

// What each edge of a frame of size cw x ch shows at (x, y), for a pattern
// of length l and thickness t: the top as stored, the left turned a quarter
// counter-clockwise (outer edge left), the right and bottom turned further.
struct Edges {
    const Image& p;
    int cw, ch;
    int l() const { return p.width(); }
    int t() const { return p.height(); }
    Rgb top(int x, int y) const { return p.at(x % l(), y); }
    Rgb bottom(int x, int y) const { return p.at(l() - 1 - x % l(), t() - 1 - (y - (ch - t()))); }
    Rgb left(int x, int y) const { return p.at(l() - 1 - y % l(), x); }
    Rgb right(int x, int y) const { return p.at(y % l(), t() - 1 - (x - (cw - t()))); }
};

FrameOptions at(FramePosition position) {
    FrameOptions o;
    o.position = position;
    return o;
}

// The frame built literally: two full layers, tiles drawn one by one and
// clipped, an alpha plane written pixel by pixel in the documented loop
// order, merged, then put on the picture.
Image referenceFrame(const Image& picture, const Image& pattern, FramePosition position) {
    const int t = pattern.height(), l = pattern.width();
    const int cw = position == FramePosition::Inside ? picture.width() : picture.width() + 2 * t;
    const int ch = position == FramePosition::Inside ? picture.height() : picture.height() + 2 * t;
    std::vector<Rgb> layer0(std::size_t(cw) * ch), layer1(std::size_t(cw) * ch);
    std::vector<int> alpha(std::size_t(cw) * ch, 255);
    auto put = [&](std::vector<Rgb>& layer, int x, int y, Rgb c) {
        if (x >= 0 && x < cw && y >= 0 && y < ch) layer[std::size_t(y) * cw + x] = c;
    };
    auto setAlpha = [&](int x, int y, int v) {
        ASSERT_TRUE(x >= 0 && x < cw && y >= 0 && y < ch) << "alpha write outside at " << x << "," << y;
        alpha[std::size_t(y) * cw + x] = v;
    };
    const int nV = ch / l + 1, nH = cw / l + 1;
    for (int k = 0; k < nV; ++k)  // left strip tiles: t wide, l high
        for (int sy = 0; sy < l; ++sy)
            for (int sx = 0; sx < t; ++sx) put(layer0, sx, k * l + sy, pattern.at(l - 1 - sy, sx));
    for (int k = 0; k < nV; ++k)
        for (int sy = 0; sy < l; ++sy)
            for (int sx = 0; sx < t; ++sx) put(layer0, cw - t + sx, k * l + sy, pattern.at(sy, t - 1 - sx));
    for (int k = 0; k < nH; ++k)
        for (int sy = 0; sy < t; ++sy)
            for (int sx = 0; sx < l; ++sx) put(layer1, k * l + sx, sy, pattern.at(sx, sy));
    for (int k = 0; k < nH; ++k)
        for (int sy = 0; sy < t; ++sy)
            for (int sx = 0; sx < l; ++sx) put(layer1, k * l + sx, ch - t + sy, pattern.at(l - 1 - sx, t - 1 - sy));
    const int w = std::min({t, cw, ch});
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < w; ++j) {
            const int v = i < j ? 0 : 255;
            setAlpha(i, j, v);
            setAlpha(i, ch - 1 - j, v);
            setAlpha(cw - 1 - i, j, v);
            setAlpha(cw - 1 - i, ch - 1 - j, v);
        }
    for (int x = 0; x < w; ++x)
        for (int y = w; y < ch - w; ++y) setAlpha(x, y, 0);
    for (int x = cw - w; x < cw; ++x)
        for (int y = w; y < ch - w; ++y) setAlpha(x, y, 0);

    Image out(cw, ch);
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) {
            const std::size_t i = std::size_t(y) * cw + x;
            out.at(x, y) = alpha[i] == 255 ? layer1[i] : layer0[i];
        }
    const int ox = position == FramePosition::Inside ? 0 : t;
    for (int y = t; y < ch - t; ++y)
        for (int x = t; x < cw - t; ++x) out.at(x, y) = picture.at(x - ox, y - ox);
    return out;
}

TEST(FrameBuilder, MatchesTheLayeredConstructionPixelForPixel) {
    struct Case { int w, h, t, l; };
    const Case cases[] = {
        {200, 150, 20, 60},  // the common case, last tiles clipped
        {180, 120, 20, 60},  // edges exact multiples of the length
        {9, 20, 4, 5},       // one column of picture left
        {6, 10, 4, 5},       // corner squares overlap across
        {10, 6, 4, 3},       // ... and down
        {6, 8, 10, 4},       // thicker than the picture
        {8, 6, 10, 7},
        {3, 3, 3, 1},
        {1, 1, 1, 1},
        {1, 5, 2, 2},
        {7, 7, 3, 2},
        {33, 17, 8, 40},     // length longer than the edges
    };
    for (const auto& c : cases)
        for (FramePosition position : {FramePosition::Inside, FramePosition::Outside}) {
            const Image picture = codedPicture(c.w, c.h), pattern = codedPattern(c.l, c.t);
            const Image expected = referenceFrame(picture, pattern, position);
            const Image built = qm::buildFrame(picture, pattern, at(position));
            ASSERT_EQ(built.width(), expected.width());
            ASSERT_EQ(built.height(), expected.height());
            for (int y = 0; y < built.height(); ++y)
                for (int x = 0; x < built.width(); ++x)
                    ASSERT_EQ(built.at(x, y), expected.at(x, y))
                        << c.w << "x" << c.h << " t=" << c.t << " L=" << c.l
                        << (position == FramePosition::Inside ? " inside" : " outside") << " at " << x << "," << y;
            EXPECT_FALSE(built.hasAlpha());
        }
}

TEST(FrameBuilder, OutsideWorkedExample) {
    const Image pattern = codedPattern(60, 20), picture = codedPicture(200, 150);
    const Image f = qm::buildFrame(picture, pattern, at(FramePosition::Outside));
    ASSERT_EQ(f.width(), 240);
    ASSERT_EQ(f.height(), 190);
    const Edges e{pattern, 240, 190};
    // Side tiles start at y = 0, 60, 120, 180; the last is cut to 10 rows.
    for (int y : {20, 59, 60, 120, 169}) EXPECT_EQ(f.at(0, y), e.left(0, y)) << y;
    EXPECT_EQ(f.at(3, 185), pattern.at(54, 3));  // inside the cut tile, left of the mitre
    EXPECT_EQ(f.at(239, 100), e.right(239, 100));
    // Top tiles at x = 0, 60, ... 240 (that one draws nothing).
    for (int x : {20, 60, 119, 180, 219}) EXPECT_EQ(f.at(x, 0), pattern.at(x % 60, 0)) << x;
    EXPECT_EQ(f.at(239, 0), pattern.at(59, 0));
    EXPECT_EQ(f.at(100, 189), e.bottom(100, 189));
    // The picture fills x = 20..219, y = 20..169 exactly.
    for (int y = 0; y < 190; ++y)
        for (int x = 0; x < 240; ++x) {
            const bool inside = x >= 20 && x <= 219 && y >= 20 && y <= 169;
            ASSERT_EQ(isPicture(f.at(x, y)), inside) << x << "," << y;
            if (inside) {
                ASSERT_EQ(f.at(x, y), picture.at(x - 20, y - 20));
            }
        }
}

TEST(FrameBuilder, InsideWorkedExample) {
    const Image pattern = codedPattern(60, 20), picture = codedPicture(200, 150);
    const Image f = qm::buildFrame(picture, pattern, at(FramePosition::Inside));
    ASSERT_EQ(f.width(), 200);
    ASSERT_EQ(f.height(), 150);
    const Edges e{pattern, 200, 150};
    EXPECT_EQ(f.at(5, 125), e.left(5, 125));     // third side tile, cut to 30 rows
    EXPECT_EQ(f.at(190, 5), pattern.at(10, 5));  // fourth top tile, cut to 20 columns
    EXPECT_EQ(f.at(195, 146), e.bottom(195, 146));  // the mitre: below the diagonal
    EXPECT_EQ(f.at(195, 140), e.right(195, 140));   // above it
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool shows = x >= 20 && x <= 179 && y >= 20 && y <= 129;
            ASSERT_EQ(isPicture(f.at(x, y)), shows) << x << "," << y;
            if (shows) {
                ASSERT_EQ(f.at(x, y), picture.at(x, y));
            }
        }
}

TEST(FrameBuilder, CornersBelongToTheirStripsAlongTheDiagonal) {
    const Image pattern = codedPattern(13, 10);
    const int cw = 50, ch = 40;
    const Image f = qm::buildFrame(codedPicture(cw, ch), pattern, at(FramePosition::Inside));
    const Edges e{pattern, cw, ch};
    enum Owner { Top, Bottom, Left, Right };
    struct Case { int x, y; Owner owner; };
    const Case cases[] = {
        {0, 0, Top}, {0, 1, Left}, {1, 0, Top}, {7, 7, Top}, {6, 7, Left},
        {0, ch - 1, Bottom}, {0, ch - 2, Left}, {cw - 1, 0, Top}, {cw - 1, 1, Right},
        {cw - 1, ch - 1, Bottom}, {cw - 2, ch - 1, Bottom}, {cw - 1, ch - 2, Right}, {9, 9, Top}, {9, 10, Left},
    };
    for (const auto& c : cases) {
        const Rgb want = c.owner == Top      ? e.top(c.x, c.y)
                         : c.owner == Bottom ? e.bottom(c.x, c.y)
                         : c.owner == Left   ? e.left(c.x, c.y)
                                             : e.right(c.x, c.y);
        EXPECT_EQ(f.at(c.x, c.y), want) << c.x << "," << c.y;
    }
}

TEST(FrameBuilder, OverlappingCornerSquaresOnASmallPicture) {
    // 6 x 10 picture, pattern 4 thick, frame inside: T = top or bottom
    // strip, s = a side strip; no picture is left.
    const char* rows[] = {"TTTTTT", "sTTTTs", "ssTTss", "ssTTss", "ssssss",
                          "ssssss", "ssTTss", "ssTTss", "sTTTTs", "TTTTTT"};
    const Image pattern = codedPattern(5, 4);
    const Image f = qm::buildFrame(codedPicture(6, 10), pattern, at(FramePosition::Inside));
    const Edges e{pattern, 6, 10};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 6; ++x) {
            const Rgb want = rows[y][x] == 'T' ? (y >= 6 ? e.bottom(x, y) : e.top(x, y))
                                               : (x >= 2 ? e.right(x, y) : e.left(x, y));
            EXPECT_EQ(f.at(x, y), want) << x << "," << y;
        }
}

TEST(FrameBuilder, NarrowPictureKeepsOneColumnOrNone) {
    const Image pattern = codedPattern(5, 4);
    const Image oneColumn = qm::buildFrame(codedPicture(9, 20), pattern, at(FramePosition::Inside));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(isPicture(oneColumn.at(x, y)), x == 4 && y >= 4 && y <= 15) << x << "," << y;

    for (auto [w, h] : {std::pair{8, 20}, std::pair{20, 8}, std::pair{3, 2}}) {
        const Image covered = qm::buildFrame(codedPicture(w, h), codedPattern(7, 10), at(FramePosition::Inside));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) EXPECT_FALSE(isPicture(covered.at(x, y))) << w << "x" << h;
    }
}

TEST(FrameBuilder, CustomThicknessReadsTheBoxLeniently) {
    struct Case { const char* text; int height; };
    const Case cases[] = {{"30", 30}, {"abc", 20}, {"0", 20}, {"-1", 20}, {"-30", 30}, {"", 20},
                          {" 12 ", 12}, {"+8", 8}, {"12px", 20}, {"99999999999", 20}, {"20", 20}};
    const Image pattern = codedPattern(60, 20);
    for (const auto& c : cases) {
        FrameOptions options;
        options.customThickness = c.text;
        const Image prepared = qm::preparePattern(pattern, options);
        EXPECT_EQ(prepared.width(), 60) << c.text;
        EXPECT_EQ(prepared.height(), c.height) << c.text;
    }
    FrameOptions options;
    options.customThickness = "30";
    EXPECT_EQ(qm::buildFrame(codedPicture(200, 150), pattern, options).width(), 200);
    options.position = FramePosition::Outside;
    EXPECT_EQ(qm::buildFrame(codedPicture(200, 150), pattern, options).width(), 260);
}

TEST(FrameBuilder, HalfTurnPutsTheBottomRowOutsideAndReversesTheTiles) {
    Image pattern(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) pattern.at(x, y) = {std::uint8_t(x), std::uint8_t(40 + 60 * y), 200};
    FrameOptions options = at(FramePosition::Outside);
    options.rotate180 = true;
    const Image f = qm::buildFrame(codedPicture(30, 30), pattern, options);
    EXPECT_EQ(f.at(10, 0).g, 220);  // outer edge light
    EXPECT_EQ(f.at(10, 3).g, 40);   // next to the picture dark
    EXPECT_EQ(f.at(5, 1), pattern.at(7 - 5, 2));
    EXPECT_EQ(f.at(9, 1), pattern.at(7 - 1, 2));
    EXPECT_EQ(f.at(0, 20).g, 220);   // left side, outer column
    EXPECT_EQ(f.at(37, 20).g, 220);  // right side, outer column
}

TEST(FrameBuilder, TransparencyOfThePictureIsFlattenedOrDropped) {
    Image picture(10, 10, {100, 50, 0});
    picture.ensureAlpha(0);
    const Image pattern = codedPattern(4, 2);
    const Image inside = qm::buildFrame(picture, pattern, at(FramePosition::Inside));
    EXPECT_FALSE(inside.hasAlpha());
    EXPECT_EQ(inside.at(5, 5), qm::kButtonFace);
    const Image outside = qm::buildFrame(picture, pattern, at(FramePosition::Outside));
    EXPECT_FALSE(outside.hasAlpha());
    EXPECT_EQ(outside.at(7, 7), (Rgb{100, 50, 0}));

    Image seeThroughPattern = codedPattern(4, 2);
    seeThroughPattern.ensureAlpha(0);
    EXPECT_EQ(qm::buildFrame(picture, seeThroughPattern, at(FramePosition::Outside)).at(1, 0),
              seeThroughPattern.at(1, 0));
}

TEST(FrameBuilder, RefusesEmptyInputAndOversizedResults) {
    EXPECT_THROW(qm::buildFrame(codedPicture(10, 10), Image(), {}), qm::Error);
    EXPECT_THROW(qm::buildFrame(Image(), codedPattern(4, 2), {}), qm::Error);
    EXPECT_THROW(qm::buildFrame(Image(65000, 1, {}), Image(1, 400, {}), at(FramePosition::Outside)), qm::Error);
}

}  // namespace

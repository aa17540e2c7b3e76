#include "documents/new_image_size.h"

#include <charconv>
#include <iterator>
#include <limits>

#include "core/image.h"

namespace qm {
namespace {

// A measure in hundredths of its unit, so 29.7 cm is 2970 and no binary
// fraction ever enters the arithmetic.
struct Measure {
    LengthUnit unit;
    int width, height;
};

constexpr std::array<Measure, kStandardSizeCount> kStandardMeasures = {{
    {LengthUnit::Pixels, 32, 32},
    {LengthUnit::Pixels, 160, 120},
    {LengthUnit::Pixels, 320, 200},
    {LengthUnit::Pixels, 320, 240},
    {LengthUnit::Pixels, 512, 482},
    {LengthUnit::Pixels, 640, 350},
    {LengthUnit::Pixels, 720, 348},
    {LengthUnit::Pixels, 800, 600},
    {LengthUnit::Pixels, 1024, 768},
    {LengthUnit::Pixels, 1280, 1024},
    {LengthUnit::Inches, 350, 500},
    {LengthUnit::Inches, 400, 600},
    {LengthUnit::Inches, 500, 700},
    {LengthUnit::Inches, 850, 1100},
    {LengthUnit::Inches, 850, 1400},
    {LengthUnit::Cm, 2100, 2970},
    {LengthUnit::Cm, 1480, 2150},
    {LengthUnit::Cm, 1820, 2570},
}};

int saturate(__int128 value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// Pixels for `hundredths` of a length unit at `resolution`; 128-bit products
// cannot overflow, and C++ division truncates toward zero.
int toPixels(__int128 hundredths, LengthUnit length, int resolution, ResolutionUnit unit) {
    const __int128 r = resolution;
    switch (length) {
    case LengthUnit::Pixels: return saturate(hundredths / 100);
    case LengthUnit::Inches:
        return saturate(unit == ResolutionUnit::PixelsPerInch ? hundredths * r / 100
                                                              : hundredths * 254 * r / 10000);
    case LengthUnit::Cm:
        return saturate(unit == ResolutionUnit::PixelsPerCm ? hundredths * r / 100 : hundredths * r / 254);
    }
    return 0;
}

std::string toDecimal(__int128 value) {
    char digits[48];
    char* first = std::end(digits);
    const bool negative = value < 0;
    do {
        const int digit = int(value % 10);
        *--first = char('0' + (negative ? -digit : digit));
        value /= 10;
    } while (value != 0);
    if (negative) *--first = '-';
    return std::string(first, std::end(digits));
}

}  // namespace

const std::array<const char*, kStandardSizeCount> kStandardSizeNames = {
    "32 x 32 Pixels",
    "160 x 120 Pixels",
    "320 x 200 Pixels",
    "320 x 240 Pixels",
    "512 x 482 Pixels",
    "640 x 350 Pixels",
    "720 x 348 Pixels",
    "800 x 600 Pixels",
    "1024 x 768 Pixels",
    "1280 x 1024 Pixels",
    "Photo Size  3.5 x 5 Inches",
    "Photo Size  4 x 6 Inches",
    "Photo Size  5 x 7 Inches",
    "Letter  8.5 x 11 Inches",
    "Legal  8.5 x 14 Inches",
    "A4  21 x 29.7 Cm",
    "A5  14.8 x 21.5 Cm",
    "B5  18.2 x 25.7 Cm",
};

const std::array<const char*, kScreenSizeCount> kScreenSizeNames = {
    " 640 x 480", " 800 x 600", " 1024 x 768", " 1280 x 1024", " 1600 x 1280",
};

PixelSize screenSize(int index) {
    static constexpr std::array<PixelSize, kScreenSizeCount> sizes = {
        {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1280}}};
    return sizes.at(std::size_t(index));
}

std::optional<int> parseWholeNumber(std::string_view text) {
    const auto blank = text.find_first_not_of(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    text = text.substr(blank, text.find_last_not_of(' ') - blank + 1);
    if (text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

PixelSize standardSize(int index, int resolution, ResolutionUnit unit) {
    const Measure& m = kStandardMeasures.at(std::size_t(index));
    return {toPixels(__int128(m.width) * (m.unit == LengthUnit::Pixels ? 100 : 1), m.unit, resolution, unit),
            toPixels(__int128(m.height) * (m.unit == LengthUnit::Pixels ? 100 : 1), m.unit, resolution, unit)};
}

PixelSize customSize(int a, int b, int resolution, LengthUnit length, ResolutionUnit unit) {
    return {toPixels(__int128(a) * 100, length, resolution, unit),
            toPixels(__int128(b) * 100, length, resolution, unit)};
}

std::string pixelSizeLabel(PixelSize size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height) + " Pixels";
}

std::string fileSizeLabel(PixelSize size, int bitsPerPixel) {
    const __int128 bytes = __int128(size.width) * size.height * bitsPerPixel / 8;
    if (bytes < 1024) return toDecimal(bytes) + " Bytes";
    if (bytes < 1048576) return toDecimal(bytes / 1024) + " kB";
    return toDecimal(bytes / 1048576) + " MB";
}

bool exceedsScreen(PixelSize size, PixelSize screen) {
    return size.height > screen.height || size.width > screen.width;
}

PixelSize previewExtent(PixelSize size, PixelSize screen) {
    return {saturate(__int128(size.width) * 160 / screen.width),
            saturate(__int128(size.height) * 160 / screen.width)};
}

std::optional<std::string> sizeProblem(PixelSize size) {
    if (size.width <= 0 || size.height <= 0) return "Width and height must be at least 1 pixel";
    if (!sizeAllowed(size.width, size.height))
        return "Too large: at most " + std::to_string(kMaxSide) + " pixels a side and " +
               std::to_string(kMaxPixels / 1'000'000) + " million pixels";
    return std::nullopt;
}

}  // namespace qm

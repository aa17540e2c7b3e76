#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

enum class ResolutionUnit { PixelsPerInch, PixelsPerCm };
enum class LengthUnit { Pixels, Inches, Cm };

// Sizes are 32-bit like the dialog's fields; arithmetic that would leave that
// range saturates, which the size check then reports as too large.
struct PixelSize {
    int width = 0, height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

inline constexpr int kStandardSizeCount = 18;
// The items of the standard-size list, in order.
extern const std::array<const char*, kStandardSizeCount> kStandardSizeNames;

inline constexpr int kScreenSizeCount = 5;
extern const std::array<const char*, kScreenSizeCount> kScreenSizeNames;
PixelSize screenSize(int index);

// A whole decimal number that fits 32 bits (blanks around it allowed);
// nothing for anything else ("", "3.5", "abc").
std::optional<int> parseWholeNumber(std::string_view text);

// The standard size at `index` for the resolution r, measures converted in
// exact decimal arithmetic and truncated toward zero once.
PixelSize standardSize(int index, int resolution, ResolutionUnit unit);
// A custom size of width a and height b in `length` units at resolution r.
PixelSize customSize(int a, int b, int resolution, LengthUnit length, ResolutionUnit unit);

std::string pixelSizeLabel(PixelSize size);  // "320 x 240 Pixels"
// The uncompressed size, width x height x bits / 8 bytes: "768 Bytes", "225 kB", "286 MB".
std::string fileSizeLabel(PixelSize size, int bitsPerPixel);

bool exceedsScreen(PixelSize size, PixelSize screen);
// The picture's extent at the scale 160 / screen width, truncated.
PixelSize previewExtent(PixelSize size, PixelSize screen);

// Why a picture of this size cannot be made, or nothing when it can.
std::optional<std::string> sizeProblem(PixelSize size);

}  // namespace qm

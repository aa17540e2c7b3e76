#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

namespace qm {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
static_assert(sizeof(Rgb) == 3, "rows are packed 24-bit RGB");

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return x + width; }    // one past the last column
    int bottom() const { return y + height; }  // one past the last row
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Largest picture any part of the program will allocate. Readers and
// operations that would exceed it refuse before allocating anything.
inline constexpr std::int64_t kMaxPixels = 500'000'000;
inline constexpr int kMaxSide = 65535;
bool sizeAllowed(std::int64_t width, std::int64_t height);
// Throws qm::Error naming `what` when width x height is not allowed.
void checkSize(std::int64_t width, std::int64_t height, const char* what);

// A 24-bit RGB picture, rows top-down and packed (stride = 3 * width), with
// an optional separate 8-bit alpha plane (255 opaque). Copies are deep.
class Image {
public:
    Image() = default;
    // Pixels are left uninitialised: callers that need a colour use fill().
    Image(int width, int height);
    Image(int width, int height, Rgb fill);

    Image(const Image& other);
    Image& operator=(const Image& other);
    Image(Image&&) noexcept = default;
    Image& operator=(Image&&) noexcept = default;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    std::int64_t pixelCount() const { return std::int64_t(width_) * height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    Rgb* row(int y) { return data() + std::ptrdiff_t(y) * width_; }
    const Rgb* row(int y) const { return data() + std::ptrdiff_t(y) * width_; }
    Rgb& at(int x, int y) { return row(y)[x]; }
    const Rgb& at(int x, int y) const { return row(y)[x]; }
    Rgb* data() { return reinterpret_cast<Rgb*>(pixels_.get()); }
    const Rgb* data() const { return reinterpret_cast<const Rgb*>(pixels_.get()); }

    void fill(Rgb colour);

    bool hasAlpha() const { return alpha_ != nullptr; }
    // Creates the alpha plane (every pixel `initial`) if there is none.
    void ensureAlpha(std::uint8_t initial = 255);
    void dropAlpha() { alpha_.reset(); }
    std::uint8_t* alphaRow(int y) { return alpha_.get() + std::ptrdiff_t(y) * width_; }
    const std::uint8_t* alphaRow(int y) const { return alpha_.get() + std::ptrdiff_t(y) * width_; }
    std::uint8_t* alphaData() { return alpha_.get(); }
    const std::uint8_t* alphaData() const { return alpha_.get(); }

    // Same size and pixels, and the same alpha plane (or both without one).
    friend bool operator==(const Image& a, const Image& b);

private:
    // Planes come from plain byte storage so that a new picture is not
    // zero-filled (Rgb's member initialisers would otherwise touch every page).
    struct PlaneDeleter { void operator()(void* plane) const; };
    using Plane = std::unique_ptr<std::uint8_t[], PlaneDeleter>;
    static Plane allocatePlane(std::size_t bytes);

    int width_ = 0, height_ = 0;
    Plane pixels_;
    Plane alpha_;
};

}  // namespace qm

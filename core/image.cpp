#include "core/image.h"

#include <algorithm>
#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "core/error.h"

namespace qm {

bool sizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

void checkSize(std::int64_t width, std::int64_t height, const char* what) {
    if (sizeAllowed(width, height)) return;
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width <= 0 || height <= 0)
        throw Error(std::string(what) + ": invalid size " + size);
    throw Error(std::string(what) + ": picture too large (" + size + " pixels)");
}

void Image::PlaneDeleter::operator()(void* plane) const { std::free(plane); }

Image::Plane Image::allocatePlane(std::size_t bytes) {
    // Large planes are aligned to 2 MiB and offered huge pages: a photograph
    // then costs a few dozen page faults instead of tens of thousands.
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    void* plane = nullptr;
    if (bytes >= 2 * kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        plane = std::aligned_alloc(kHugePage, rounded);
        if (plane) madvise(plane, rounded, MADV_HUGEPAGE);
    } else {
        plane = std::malloc(bytes == 0 ? 1 : bytes);
    }
    if (!plane) throw std::bad_alloc();
    return Plane(static_cast<std::uint8_t*>(plane));
}

Image::Image(int width, int height) {
    checkSize(width, height, "image");
    width_ = width;
    height_ = height;
    pixels_ = allocatePlane(std::size_t(pixelCount()) * sizeof(Rgb));
}

Image::Image(int width, int height, Rgb colour) : Image(width, height) { fill(colour); }

Image::Image(const Image& other) : width_(other.width_), height_(other.height_) {
    if (other.pixels_) {
        pixels_ = allocatePlane(std::size_t(pixelCount()) * sizeof(Rgb));
        std::memcpy(pixels_.get(), other.pixels_.get(), std::size_t(pixelCount()) * sizeof(Rgb));
    }
    if (other.alpha_) {
        alpha_ = allocatePlane(std::size_t(pixelCount()));
        std::memcpy(alpha_.get(), other.alpha_.get(), std::size_t(pixelCount()));
    }
}

Image& Image::operator=(const Image& other) {
    if (this != &other) *this = Image(other);
    return *this;
}

void Image::fill(Rgb colour) {
    std::fill_n(data(), std::size_t(pixelCount()), colour);
}

void Image::ensureAlpha(std::uint8_t initial) {
    if (alpha_ || empty()) return;
    alpha_ = allocatePlane(std::size_t(pixelCount()));
    std::memset(alpha_.get(), initial, std::size_t(pixelCount()));
}

bool operator==(const Image& a, const Image& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_) return false;
    if (a.hasAlpha() != b.hasAlpha()) return false;
    const std::size_t n = std::size_t(a.pixelCount());
    if (n == 0) return true;
    if (std::memcmp(a.pixels_.get(), b.pixels_.get(), n * sizeof(Rgb)) != 0) return false;
    return !a.hasAlpha() || std::memcmp(a.alpha_.get(), b.alpha_.get(), n) == 0;
}

}  // namespace qm

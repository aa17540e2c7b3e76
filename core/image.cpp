#include "core/image.h"

#include <algorithm>
#include <cstring>
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

Image::Image(int width, int height) {
    checkSize(width, height, "image");
    width_ = width;
    height_ = height;
    pixels_.reset(new Rgb[std::size_t(pixelCount())]);
}

Image::Image(int width, int height, Rgb colour) : Image(width, height) { fill(colour); }

Image::Image(const Image& other) : width_(other.width_), height_(other.height_) {
    if (other.pixels_) {
        pixels_.reset(new Rgb[std::size_t(pixelCount())]);
        std::memcpy(pixels_.get(), other.pixels_.get(), std::size_t(pixelCount()) * sizeof(Rgb));
    }
    if (other.alpha_) {
        alpha_.reset(new std::uint8_t[std::size_t(pixelCount())]);
        std::memcpy(alpha_.get(), other.alpha_.get(), std::size_t(pixelCount()));
    }
}

Image& Image::operator=(const Image& other) {
    if (this != &other) *this = Image(other);
    return *this;
}

void Image::fill(Rgb colour) {
    std::fill_n(pixels_.get(), std::size_t(pixelCount()), colour);
}

void Image::ensureAlpha(std::uint8_t initial) {
    if (alpha_ || empty()) return;
    alpha_.reset(new std::uint8_t[std::size_t(pixelCount())]);
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

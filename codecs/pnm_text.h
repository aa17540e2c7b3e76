#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "codecs/registry.h"
#include "core/error.h"

// The text side of the PNM family: header tokens and comments, text
// samples, and the three writers.
namespace qm::codecs::pnm {

inline bool isSpace(std::uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

class TextReader {
public:
    explicit TextReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t remaining() const { return data_.size() - position_; }
    std::uint8_t byte() {
        if (position_ >= data_.size()) throw Error("truncated PNM data");
        return data_[position_++];
    }
    // The next `count` bytes; the caller has checked that they are there.
    const std::uint8_t* take(std::size_t count) {
        const std::uint8_t* out = data_.data() + position_;
        position_ += count;
        return out;
    }
    // A decimal number after white space and comments.
    std::uint64_t number(const char* what);
    // One '0' or '1' of a text bitmap, which needs no separators.
    bool bit();
    // The single white-space character between header and binary samples.
    void endOfHeader();

private:
    void skipSpaceAndComments();

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
};

std::vector<std::uint8_t> encodePpm(const Image& image, const SaveOptions& options);
std::vector<std::uint8_t> encodePgm(const Image& image, const SaveOptions& options);
std::vector<std::uint8_t> encodePbm(const Image& image, const SaveOptions& options);

}  // namespace qm::codecs::pnm

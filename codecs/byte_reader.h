#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/error.h"

namespace qm::codecs {

// Reads fields of a file held in memory. Every read is bounds-checked: one
// that would pass the end throws qm::Error("truncated <what>"), so a damaged
// or hostile file can never make a reader look beyond its buffer.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> data, const char* what) : data_(data), what_(what) {}

    std::size_t size() const { return data_.size(); }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return data_.size() - position_; }
    bool atEnd() const { return position_ >= data_.size(); }

    void seek(std::size_t offset) {
        if (offset > data_.size()) truncated();
        position_ = offset;
    }
    void skip(std::size_t count) {
        if (count > remaining()) truncated();
        position_ += count;
    }

    std::uint8_t u8() {
        if (position_ >= data_.size()) truncated();
        return data_[position_++];
    }
    std::uint16_t u16le() {
        const auto b = bytes(2);
        return std::uint16_t(b[0] | (b[1] << 8));
    }
    std::uint32_t u32le() {
        const auto b = bytes(4);
        return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
               (std::uint32_t(b[3]) << 24);
    }
    std::int32_t i32le() { return std::int32_t(u32le()); }
    std::uint16_t u16be() {
        const auto b = bytes(2);
        return std::uint16_t((b[0] << 8) | b[1]);
    }
    std::uint32_t u32be() {
        const auto b = bytes(4);
        return (std::uint32_t(b[0]) << 24) | (std::uint32_t(b[1]) << 16) | (std::uint32_t(b[2]) << 8) |
               std::uint32_t(b[3]);
    }

    // The next `count` bytes, consumed.
    std::span<const std::uint8_t> bytes(std::size_t count) {
        if (count > remaining()) truncated();
        const auto out = data_.subspan(position_, count);
        position_ += count;
        return out;
    }

    [[noreturn]] void truncated() const { throw Error(std::string("truncated ") + what_); }

private:
    std::span<const std::uint8_t> data_;
    const char* what_;
    std::size_t position_ = 0;
};

// Little-endian stores for the writers.
inline void putU16le(std::uint8_t* out, unsigned value) {
    out[0] = std::uint8_t(value);
    out[1] = std::uint8_t(value >> 8);
}
inline void putU32le(std::uint8_t* out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = std::uint8_t(value >> (8 * i));
}

}  // namespace qm::codecs

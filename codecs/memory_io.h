#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// Byte sources and sinks in memory for the C libraries' callback I/O.
namespace qm::codecs {

struct MemoryReader {
    std::span<const std::uint8_t> data;
    std::size_t position = 0;

    std::size_t remaining() const { return data.size() - position; }
    // Copies up to `count` bytes; returns how many there were.
    std::size_t read(void* out, std::size_t count) {
        const std::size_t n = std::min(count, remaining());
        if (n) std::memcpy(out, data.data() + position, n);
        position += n;
        return n;
    }
    bool seek(std::uint64_t offset) {
        if (offset > data.size()) return false;
        position = std::size_t(offset);
        return true;
    }
};

// A growable buffer that may be rewritten in place (TIFF patches its
// directory offsets after the data).
struct MemoryWriter {
    std::vector<std::uint8_t> bytes;
    std::size_t position = 0;

    void write(const void* in, std::size_t count) {
        if (position + count > bytes.size()) bytes.resize(position + count);
        if (count) std::memcpy(bytes.data() + position, in, count);
        position += count;
    }
    void seek(std::size_t offset) {
        if (offset > bytes.size()) bytes.resize(offset);
        position = offset;
    }
};

}  // namespace qm::codecs

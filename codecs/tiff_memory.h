#pragma once
#include <tiffio.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "codecs/memory_io.h"

// libtiff over bytes in memory, with its complaints kept per handle instead
// of printed on stderr, so readers can report them and run side by side.
namespace qm::codecs {

class TiffHandle {
public:
    // Opens `data` (which must outlive the handle); throws qm::Error with
    // libtiff's reason when the header or first directory is unreadable.
    static TiffHandle openForReading(std::span<const std::uint8_t> data);
    // A new TIFF written into `sink` (which must outlive the handle).
    static TiffHandle openForWriting(MemoryWriter& sink);

    TiffHandle(TiffHandle&& other) noexcept;
    TiffHandle& operator=(TiffHandle&&) = delete;
    ~TiffHandle();

    TIFF* get() const { return tiff_; }
    // Flushes and closes; for writers, the bytes are complete afterwards.
    void close();

    // The first error libtiff reported, or `fallback` when it said nothing.
    std::string error(const std::string& fallback) const;
    const std::vector<std::string>& warnings() const;

    struct State;

private:
    TiffHandle() = default;
    std::unique_ptr<State> state_;
    TIFF* tiff_ = nullptr;
};

}  // namespace qm::codecs

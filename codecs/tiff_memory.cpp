#include "codecs/tiff_memory.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <utility>

#include "core/error.h"

namespace qm::codecs {

struct TiffHandle::State {
    MemoryReader reader;
    MemoryWriter* writer = nullptr;
    std::string firstError;
    std::vector<std::string> warnings;
};

namespace {

// No single buffer libtiff allocates for one file may exceed this; a strip
// claiming more is a damaged or hostile file.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t(2) << 30;
constexpr std::size_t kMaxWarningsKept = 64;

std::string format(const char* text, va_list args) {
    char buffer[512];
    std::vsnprintf(buffer, sizeof buffer, text, args);
    return buffer;
}

int onError(TIFF*, void* user, const char*, const char* text, va_list args) {
    auto* state = static_cast<TiffHandle::State*>(user);
    if (state->firstError.empty()) state->firstError = format(text, args);
    return 1;
}

int onWarning(TIFF*, void* user, const char*, const char* text, va_list args) {
    auto* state = static_cast<TiffHandle::State*>(user);
    if (state->warnings.size() < kMaxWarningsKept) state->warnings.push_back(format(text, args));
    return 1;
}

tmsize_t readProc(thandle_t handle, void* out, tmsize_t count) {
    auto* state = static_cast<TiffHandle::State*>(handle);
    if (state->writer) {
        MemoryWriter& w = *state->writer;
        const std::size_t n = std::min<std::size_t>(std::size_t(count), w.bytes.size() - std::min(w.position, w.bytes.size()));
        if (n) std::memcpy(out, w.bytes.data() + w.position, n);
        w.position += n;
        return tmsize_t(n);
    }
    return tmsize_t(state->reader.read(out, std::size_t(count)));
}

tmsize_t writeProc(thandle_t handle, void* in, tmsize_t count) {
    auto* state = static_cast<TiffHandle::State*>(handle);
    if (!state->writer) return 0;
    state->writer->write(in, std::size_t(count));
    return count;
}

toff_t seekProc(thandle_t handle, toff_t offset, int whence) {
    auto* state = static_cast<TiffHandle::State*>(handle);
    const std::uint64_t size = state->writer ? state->writer->bytes.size() : state->reader.data.size();
    const std::uint64_t current = state->writer ? state->writer->position : state->reader.position;
    std::uint64_t target = offset;
    if (whence == SEEK_CUR) target = current + offset;
    if (whence == SEEK_END) target = size + offset;
    if (state->writer) {
        if (target > (std::uint64_t(1) << 32) * 4) return toff_t(-1);
        state->writer->seek(std::size_t(target));
        return target;
    }
    // Reading past the end is how a truncated file shows; libtiff then
    // gets short reads and reports them.
    state->reader.position = std::size_t(std::min(target, size));
    return target;
}

int closeProc(thandle_t) { return 0; }

toff_t sizeProc(thandle_t handle) {
    auto* state = static_cast<TiffHandle::State*>(handle);
    return state->writer ? state->writer->bytes.size() : state->reader.data.size();
}

int mapProc(thandle_t handle, void** base, toff_t* size) {
    auto* state = static_cast<TiffHandle::State*>(handle);
    if (state->writer) return 0;
    *base = const_cast<std::uint8_t*>(state->reader.data.data());
    *size = state->reader.data.size();
    return 1;
}

void unmapProc(thandle_t, void*, toff_t) {}

TIFF* openClient(TiffHandle::State* state, const char* mode) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxSingleAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options, onError, state);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onWarning, state);
    TIFF* tiff = TIFFClientOpenExt("memory", mode, state, readProc, writeProc, seekProc, closeProc, sizeProc,
                                   mapProc, unmapProc, options);
    TIFFOpenOptionsFree(options);
    return tiff;
}

}  // namespace

TiffHandle TiffHandle::openForReading(std::span<const std::uint8_t> data) {
    TiffHandle handle;
    handle.state_ = std::make_unique<State>();
    handle.state_->reader.data = data;
    handle.tiff_ = openClient(handle.state_.get(), "r");
    if (!handle.tiff_) throw Error(handle.error("not a readable TIFF file"));
    return handle;
}

TiffHandle TiffHandle::openForWriting(MemoryWriter& sink) {
    TiffHandle handle;
    handle.state_ = std::make_unique<State>();
    handle.state_->writer = &sink;
    handle.tiff_ = openClient(handle.state_.get(), "w");
    if (!handle.tiff_) throw Error(handle.error("cannot start a TIFF file"));
    return handle;
}

TiffHandle::TiffHandle(TiffHandle&& other) noexcept
    : state_(std::move(other.state_)), tiff_(std::exchange(other.tiff_, nullptr)) {}

TiffHandle::~TiffHandle() { close(); }

void TiffHandle::close() {
    if (tiff_) TIFFClose(tiff_);
    tiff_ = nullptr;
}

std::string TiffHandle::error(const std::string& fallback) const {
    return state_ && !state_->firstError.empty() ? state_->firstError : fallback;
}

const std::vector<std::string>& TiffHandle::warnings() const { return state_->warnings; }

}  // namespace qm::codecs

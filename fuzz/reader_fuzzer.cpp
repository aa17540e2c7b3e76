// One harness source for every reader of our own: the build compiles it
// once per format with QUILLMOUNT_FUZZ_FORMAT naming the factory. A reader
// may refuse the input with qm::Error; anything else (a crash, a sanitizer
// report, another exception) is a finding.
#include <cstddef>
#include <cstdint>
#include <span>

#include "codecs/formats.h"
#include "core/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const qm::codecs::Format format = qm::codecs::QUILLMOUNT_FUZZ_FORMAT();
    const std::span<const std::uint8_t> input(data, size);
    if (format.sniff) format.sniff(input.first(size < 64 ? size : 64));
    try {
        const qm::Image image = format.decode(input, {});
        if (image.empty()) __builtin_trap();  // a reader never returns an empty picture
    } catch (const qm::Error&) {
    }
    return 0;
}

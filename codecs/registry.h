#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codecs/save_options.h"
#include "core/image.h"

namespace qm::codecs {

struct ReadHints {
    // When > 0 the reader may return a smaller picture whose larger side is
    // still at least this (JPEG scaled decoding); used for thumbnails.
    int minimumSide = 0;
    // When true the alpha plane of a picture that has one is returned as
    // stored instead of being flattened onto white.
    bool keepAlpha = false;
};

// One file format: the extensions that select it (lower case, without dot),
// a content sniff that confirms it, and whichever of reader and writer it has.
struct Format {
    std::string name;                       // "PNG", "JPEG 2000 code stream"...
    std::vector<std::string> extensions;
    bool (*sniff)(std::span<const std::uint8_t> head) = nullptr;
    // Readers throw qm::Error with the reason (no file name: the registry adds it).
    Image (*decode)(std::span<const std::uint8_t> data, const ReadHints& hints) = nullptr;
    std::vector<std::uint8_t> (*encode)(const Image& image, const SaveOptions& options) = nullptr;
    bool writesAlpha = false;               // the encoder stores an alpha plane
};

const std::vector<Format>& formats();
// The format selected by the extension of `path`, compared without case.
const Format* formatForPath(const std::filesystem::path& path);
const Format* formatForExtension(std::string_view extension);

bool canRead(const std::filesystem::path& path);
bool canWrite(const std::filesystem::path& path);

// Reads a picture file: the format of its extension, confirmed by its content;
// when the content plainly belongs to another readable format, that reader is
// used. Every picture comes back 24-bit RGB without alpha (transparency
// flattened onto white). Throws qm::Error "<file>: <reason>".
Image readImage(const std::filesystem::path& path, const ReadHints& hints = {});

// Writes with the writer of the extension of `path`. The data goes to a
// temporary file beside the target first and is renamed over it only when
// complete, so a failure never leaves a damaged file in place of a good one.
// Throws qm::Error "<file>: <reason>", e.g. when no writer serves the extension.
void writeImage(const Image& image, const std::filesystem::path& path, const SaveOptions& options = {});

// Writes `bytes` to `path` through a temporary file and a rename.
void writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace qm::codecs

#include "codecs/registry.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "codecs/formats.h"
#include "codecs/pixel_convert.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

std::string lowerExtension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw Error(path.string() + ": is a folder, not a picture");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(path.string() + ": cannot open the file");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw Error(path.string() + ": cannot read the file");
    if (size == 0) throw Error(path.string() + ": the file is empty");
    // Far beyond any picture within the pixel limit, even uncompressed.
    constexpr std::streamoff kMaxFileSize = std::streamoff(4) << 30;
    if (size > kMaxFileSize) throw Error(path.string() + ": the file is too large to be a picture this program opens");
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) throw Error(path.string() + ": cannot read the file");
    return bytes;
}

bool sniffs(const Format& format, std::span<const std::uint8_t> head) {
    return format.sniff && format.decode && format.sniff(head);
}

// Formats whose content claims the data, other than `except`, in table order.
std::vector<const Format*> claimants(std::span<const std::uint8_t> data, const Format* except) {
    std::vector<const Format*> found;
    for (const Format& format : formats())
        if (&format != except && sniffs(format, data)) found.push_back(&format);
    return found;
}

Image decodeWith(const Format& format, std::span<const std::uint8_t> data, const ReadHints& hints) {
    if (!format.decode) throw Error(format.name + " files cannot be read");
    return format.decode(data, hints);
}

// The extension decides, unless the content plainly belongs to another
// format (a PNG saved as .jpg). Formats without a magic number (raw fax,
// Targa) get their own reader first and the claimants only if it refuses.
Image decodeByContent(const Format* byExtension, std::span<const std::uint8_t> data, const ReadHints& hints) {
    if (byExtension && sniffs(*byExtension, data)) return decodeWith(*byExtension, data, hints);
    const std::vector<const Format*> others = claimants(data, byExtension);
    const bool extensionHasNoMagic = byExtension && byExtension->decode && !byExtension->sniff;
    if (extensionHasNoMagic) {
        try {
            return decodeWith(*byExtension, data, hints);
        } catch (const Error&) {
            if (others.empty()) throw;
        }
    }
    if (!others.empty()) return decodeWith(*others.front(), data, hints);
    if (byExtension) return decodeWith(*byExtension, data, hints);
    throw Error("not a picture in any format this program reads");
}

}  // namespace

const std::vector<Format>& formats() {
    // Formats with a reliable magic number first: the content sniff of a
    // file whose extension lies picks the first claimant.
    static const std::vector<Format> all = {
        pngFormat(), jpegFormat(), gifFormat(), tiffFormat(), jp2Format(), j2kFormat(),
        psdFormat(), bmpFormat(),  dcxFormat(), icoFormat(),  curFormat(), pcxFormat(),
        pnmFormat(), pgmFormat(),  pbmFormat(), tgaFormat(),  wbmpFormat(), faxFormat(),
        metafileFormat(),
    };
    return all;
}

const Format* formatForExtension(std::string_view extension) {
    const std::string wanted = lowerExtension(extension);
    if (wanted.empty()) return nullptr;
    for (const Format& format : formats())
        if (std::find(format.extensions.begin(), format.extensions.end(), wanted) != format.extensions.end())
            return &format;
    return nullptr;
}

const Format* formatForPath(const std::filesystem::path& path) {
    return formatForExtension(path.extension().string());
}

bool canRead(const std::filesystem::path& path) {
    const Format* format = formatForPath(path);
    return format && format->decode;
}

bool canWrite(const std::filesystem::path& path) {
    const Format* format = formatForPath(path);
    return format && format->encode;
}

Image readImage(const std::filesystem::path& path, const ReadHints& hints) {
    const std::vector<std::uint8_t> data = readWholeFile(path);
    try {
        Image image = decodeByContent(formatForPath(path), data, hints);
        if (!hints.keepAlpha) flattenOntoWhite(image);
        return image;
    } catch (const Error& e) {
        throw Error(path.string() + ": " + e.what());
    } catch (const std::bad_alloc&) {
        throw Error(path.string() + ": not enough memory for this picture");
    }
}

void writeImage(const Image& image, const std::filesystem::path& path, const SaveOptions& options) {
    const Format* format = formatForPath(path);
    if (!format || !format->encode) {
        const std::string extension = path.extension().string();
        if (extension.empty()) throw Error(path.string() + ": the name has no extension to choose a format by");
        throw Error(path.string() + ": cannot write files of type \"" + extension + "\"");
    }
    if (image.empty()) throw Error(path.string() + ": there is no picture to write");
    std::vector<std::uint8_t> bytes;
    try {
        if (image.hasAlpha() && !format->writesAlpha) {
            Image opaque(image);
            flattenOntoWhite(opaque);
            bytes = format->encode(opaque, options);
        } else {
            bytes = format->encode(image, options);
        }
    } catch (const Error& e) {
        throw Error(path.string() + ": " + e.what());
    }
    writeFileAtomically(path, bytes);
}

}  // namespace qm::codecs

#include "mask/mask_builder.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <system_error>

#include "codecs/registry.h"
#include "core/compose.h"
#include "core/draw.h"
#include "core/error.h"
#include "core/resample.h"
#include "core/transform.h"

namespace qm {

namespace fs = std::filesystem;

PictureReader defaultPictureReader() {
    return [](const fs::path& path) { return codecs::readImage(path); };
}

int mulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = c < 0 ? -std::int64_t(c) : c;
    const std::int64_t rounded = (2 * magnitude + divisor) / (2 * divisor);
    const std::int64_t quotient = (product < 0) != (c < 0) ? -rounded : rounded;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) return -1;
    return int(quotient);
}

Image prepareMask(const Image& mask, int width, int height, bool invertMask) {
    Image scaled = resample(mask, width, height, ResampleFilter::FastLinear);
    scaled.dropAlpha();
    if (!invertMask) negative(scaled);
    return scaled;
}

namespace {

std::uint8_t bandChannel(int i, std::uint8_t start, std::uint8_t end, int lastBand) {
    return std::uint8_t(start + mulDiv(i, int(end) - int(start), lastBand));
}

}  // namespace

void paintGradient(Image& canvas, GradientDirection direction, Rgb start, Rgb end) {
    const bool vertical = direction == GradientDirection::Vertical;
    const int length = vertical ? canvas.height() : canvas.width();
    auto paintLines = [&](int first, int count, Rgb colour) {
        fillRect(canvas, vertical ? Rect{0, first, canvas.width(), count} : Rect{first, 0, count, canvas.height()},
                 colour);
    };
    // Below four lines there are fewer than two bands to run between.
    if (length < 4) {
        paintLines(0, length, start);
        return;
    }
    const int bands = length / 2;
    for (int i = 0; i < bands; ++i)
        paintLines(2 * i, 2,
                   {bandChannel(i, start.r, end.r, bands - 1), bandChannel(i, start.g, end.g, bands - 1),
                    bandChannel(i, start.b, end.b, bands - 1)});
    if (length % 2 != 0) paintLines(length - 1, 1, end);
}

void tileOver(Image& canvas, const Image& tile) {
    if (tile.empty()) return;
    for (int row = 0; row <= canvas.height() / tile.height(); ++row)
        for (int column = 0; column <= canvas.width() / tile.width(); ++column)
            drawImage(canvas, tile, column * tile.width(), row * tile.height());
}

Image blendThroughMask(const Image& picture, const Image& background, const Image& preparedMask, int opacity) {
    opacity = std::clamp(opacity, 0, 100);
    Image layer = background;
    layer.ensureAlpha();
    for (int y = 0; y < layer.height(); ++y) {
        const Rgb* m = preparedMask.row(y);
        std::uint8_t* a = layer.alphaRow(y);
        for (int x = 0; x < layer.width(); ++x) a[x] = std::uint8_t(m[x].r * opacity / 100);
    }
    Image opaquePicture = picture;
    opaquePicture.dropAlpha();
    return mergeOver(opaquePicture, layer);
}

namespace {

bool isFile(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

// The readers' messages start with the file, which the message names already.
std::string cannotRead(const std::string& shownPath, const fs::path& path, const Error& error) {
    std::string reason = error.what();
    const std::string prefix = path.string() + ": ";
    if (reason.starts_with(prefix)) reason.erase(0, prefix.size());
    return "The file: " + shownPath + "\n\r" + "cannot be read as a picture: " + reason;
}

// Reads a tile; a failure is reported and leaves the background as it is.
std::optional<Image> readTile(const fs::path& path, const std::string& shownPath, const PictureReader& read,
                              std::vector<std::string>& messages) {
    try {
        Image tile = read(path);
        if (!tile.empty()) return tile;
        messages.push_back(cannotRead(shownPath, path, Error("the picture is empty")));
    } catch (const Error& e) {
        messages.push_back(cannotRead(shownPath, path, e));
    }
    return std::nullopt;
}

void paintBackground(Image& canvas, const MaskOptions& options, const PictureReader& read,
                     std::vector<std::string>& messages) {
    switch (options.background) {
    case MaskBackground::Color:
        fillRect(canvas, canvas.bounds(), options.backColor.resolved());
        break;
    case MaskBackground::Gradient:
        paintGradient(canvas, options.gradient, options.startColor.resolved(), options.endColor.resolved());
        break;
    case MaskBackground::Texture:
        if (options.texture && isFile(*options.texture))
            if (auto tile = readTile(*options.texture, options.texture->string(), read, messages))
                tileOver(canvas, *tile);
        break;
    case MaskBackground::File: {
        const fs::path path(options.backgroundFile);
        if (!isFile(path)) {
            messages.push_back("The file: " + options.backgroundFile + "\n\r" + "does not exist.");
            break;
        }
        if (auto tile = readTile(path, options.backgroundFile, read, messages)) tileOver(canvas, *tile);
        break;
    }
    }
}

}  // namespace

MaskResult buildMask(const Image& picture, const fs::path& maskFile, const MaskOptions& options,
                     const PictureReader& read) {
    MaskResult result;
    if (picture.empty() || !isFile(maskFile)) return result;
    Image mask;
    try {
        mask = read(maskFile);
        if (mask.empty()) throw Error("the picture is empty");
    } catch (const Error& e) {
        result.messages.push_back(cannotRead(maskFile.string(), maskFile, e));
        return result;
    }
    const Image prepared = prepareMask(mask, picture.width(), picture.height(), options.invertMask);
    Image background = prepared;
    paintBackground(background, options, read, result.messages);
    result.picture = blendThroughMask(picture, background, prepared, options.opacity);
    return result;
}

}  // namespace qm

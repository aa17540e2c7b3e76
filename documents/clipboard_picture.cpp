#include "documents/clipboard_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstring>

#include "core/error.h"
#include "documents/picture_qimage.h"

namespace qm {
namespace {

constexpr qsizetype kHeaderBytes = 8;

void putInt32(QByteArray& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.append(char((value >> shift) & 0xff));
}

std::uint32_t int32At(const QByteArray& bytes, qsizetype offset) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t(std::uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

QByteArray encodeOwnFormat(const Image& picture) {
    QByteArray bytes;
    const auto pixelBytes = picture.pixelCount() * 3;
    bytes.reserve(kHeaderBytes + pixelBytes);
    putInt32(bytes, std::uint32_t(picture.width()));
    putInt32(bytes, std::uint32_t(picture.height()));
    bytes.append(reinterpret_cast<const char*>(picture.data()), pixelBytes);
    return bytes;
}

// Nothing when the header does not match the data that follows it.
std::optional<Image> decodeOwnFormat(const QByteArray& bytes) {
    if (bytes.size() < kHeaderBytes) return std::nullopt;
    const std::int64_t width = int32At(bytes, 0), height = int32At(bytes, 4);
    if (!sizeAllowed(width, height)) return std::nullopt;
    if (bytes.size() - kHeaderBytes != width * height * 3) return std::nullopt;
    Image picture(static_cast<int>(width), static_cast<int>(height));
    std::memcpy(picture.data(), bytes.constData() + kHeaderBytes, std::size_t(width * height * 3));
    return picture;
}

std::optional<Image> nonEmpty(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    try {
        return fromQImage(image);
    } catch (const Error&) {
        return std::nullopt;
    }
}

}  // namespace

void putPictureOnClipboard(const Image& picture) {
    auto* data = new QMimeData;
    data->setData(kPictureMimeType, encodeOwnFormat(picture));
    const QImage image = toQImage(picture);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
}

bool clipboardHasPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data &&
           (data->hasFormat(kPictureMimeType) || data->hasFormat(QStringLiteral("image/png")) || data->hasImage());
}

std::optional<Image> pictureFromClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return std::nullopt;
    if (data->hasFormat(kPictureMimeType))
        if (auto picture = decodeOwnFormat(data->data(kPictureMimeType))) return picture;
    if (data->hasFormat(QStringLiteral("image/png")))
        if (auto picture = nonEmpty(QImage::fromData(data->data(QStringLiteral("image/png")), "PNG")))
            return picture;
    if (data->hasImage()) return nonEmpty(qvariant_cast<QImage>(data->imageData()));
    return std::nullopt;
}

}  // namespace qm

#pragma once
#include <QString>
#include <optional>

#include "core/image.h"

namespace qm {

// Our own clipboard format: width and height as 32-bit little-endian
// integers, then the packed RGB rows, so a picture copied inside the program
// comes back pixel for pixel.
inline const QString kPictureMimeType = QStringLiteral("application/x-quillmount-picture");

// Offers `picture` in our own format, as PNG and as a plain image.
void putPictureOnClipboard(const Image& picture);
// True when the clipboard offers a picture in any form we can paste.
bool clipboardHasPicture();
// The clipboard's picture, taken from our own format first, then PNG, then
// any other image the clipboard offers; nothing when there is none or the
// data cannot be read.
std::optional<Image> pictureFromClipboard();

}  // namespace qm

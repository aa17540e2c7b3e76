#include "documents/picture_qimage.h"

#include <QPainter>
#include <cstring>

namespace qm {

QImage toQImage(const Image& picture) {
    if (picture.empty()) return {};
    const QImage view(reinterpret_cast<const uchar*>(picture.data()), picture.width(), picture.height(),
                      picture.width() * 3, QImage::Format_RGB888);
    return view.copy();
}

Image fromQImage(const QImage& image) {
    if (image.isNull()) return {};
    checkSize(image.width(), image.height(), "pasted picture");
    QImage rgb;
    if (image.hasAlphaChannel()) {
        rgb = QImage(image.size(), QImage::Format_RGB888);
        rgb.fill(Qt::white);
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    } else {
        rgb = image.convertToFormat(QImage::Format_RGB888);
    }
    Image picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(picture.row(y), rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    return picture;
}

}  // namespace qm

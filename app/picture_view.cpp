#include "app/picture_view.h"

#include <QImage>
#include <QPainter>

#include "app/document.h"

namespace qm {

PictureView::PictureView(Document& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document) {}

void PictureView::pictureChanged() { viewport()->update(); }

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(192, 192, 192));
    const Image& image = document_.working();
    if (image.empty()) return;
    const QImage shown(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(),
                       image.width() * 3, QImage::Format_RGB888);
    const double scale = document_.zoom() / 100.0;
    painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), shown);
}

}  // namespace qm

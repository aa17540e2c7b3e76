#include "documents/new_image_glyphs.h"

#include <QPainter>
#include <QPolygon>

namespace qm {
namespace {

QPixmap transparentPixmap(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawDoubleArrow(QPainter& painter, QPoint from, QPoint to) {
    painter.drawLine(from, to);
    const bool horizontal = from.y() == to.y();
    const QPoint side = horizontal ? QPoint(0, 3) : QPoint(3, 0);
    const QPoint back = horizontal ? QPoint(3, 0) : QPoint(0, 3);
    painter.drawPolygon(QPolygon({from, from + back + side, from + back - side}));
    painter.drawPolygon(QPolygon({to, to - back + side, to - back - side}));
}

QPixmap arrowGlyph(QPoint from, QPoint to) {
    QPixmap pixmap = transparentPixmap(16, 16);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 128));
    painter.setBrush(QColor(0, 0, 128));
    drawDoubleArrow(painter, from, to);
    return pixmap;
}

}  // namespace

QPixmap widthGlyph() { return arrowGlyph({1, 8}, {14, 8}); }
QPixmap heightGlyph() { return arrowGlyph({8, 1}, {8, 14}); }

QPixmap orientationGlyph() {
    QPixmap pixmap = transparentPixmap(28, 16);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(1, 4, 12, 8);   // landscape
    painter.drawRect(17, 1, 8, 13);  // portrait
    painter.drawLine(13, 2, 16, 2);
    return pixmap;
}

QPixmap screenStandGlyph() {
    QPixmap pixmap = transparentPixmap(100, 20);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawRect(42, 0, 16, 10);
    painter.drawPolygon(QPolygon({QPoint(20, 19), QPoint(30, 10), QPoint(70, 10), QPoint(80, 19)}));
    return pixmap;
}

}  // namespace qm

#include "about/product_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qm {

QPixmap drawProductIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);

    // The moulding: four mitred strips, lit from the top left.
    const QRectF outer(6, 10, 116, 108), inner(22, 26, 84, 76);
    const QColor light(214, 160, 92), mid(170, 112, 52), dark(112, 68, 28);
    const auto strip = [&](QPolygonF shape, QColor colour) {
        p.setBrush(colour);
        p.setPen(QPen(dark.darker(130), 1.5));
        p.drawPolygon(shape);
    };
    strip({outer.topLeft(), outer.topRight(), inner.topRight(), inner.topLeft()}, light);
    strip({outer.topLeft(), inner.topLeft(), inner.bottomLeft(), outer.bottomLeft()}, mid.lighter(115));
    strip({outer.topRight(), outer.bottomRight(), inner.bottomRight(), inner.topRight()}, mid);
    strip({outer.bottomLeft(), inner.bottomLeft(), inner.bottomRight(), outer.bottomRight()}, dark);

    // The photograph: sky, sun and two hills.
    p.save();
    p.setClipRect(inner);
    QLinearGradient sky(inner.topLeft(), inner.bottomLeft());
    sky.setColorAt(0, QColor(86, 156, 222));
    sky.setColorAt(1, QColor(196, 226, 246));
    p.fillRect(inner, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(QPointF(84, 46), 10, 10);
    QPainterPath far(QPointF(22, 84));
    far.cubicTo(QPointF(44, 56), QPointF(60, 60), QPointF(106, 80));
    far.lineTo(106, 102);
    far.lineTo(22, 102);
    p.setBrush(QColor(74, 140, 84));
    p.drawPath(far);
    QPainterPath near(QPointF(22, 96));
    near.cubicTo(QPointF(58, 74), QPointF(80, 78), QPointF(106, 92));
    near.lineTo(106, 102);
    near.lineTo(22, 102);
    p.setBrush(QColor(44, 104, 56));
    p.drawPath(near);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark.darker(150), 2));
    p.drawRect(inner);
    return pixmap;
}

}  // namespace qm

#include "app/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace qm {

namespace {

struct Ink {
    QColor line, accent;
};

void arrowHead(QPainter& p, QPointF tip, QPointF back1, QPointF back2) {
    p.drawLine(tip, back1);
    p.drawLine(tip, back2);
}

void drawMagnifier(QPainter& p, const Ink& ink) {
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    QPen handle = p.pen();
    handle.setWidthF(3);
    p.setPen(handle);
    p.drawLine(QPointF(15, 15), QPointF(20.5, 20.5));
    QPen accent = p.pen();
    accent.setColor(ink.accent);
    accent.setWidthF(1.8);
    p.setPen(accent);
}

void drawRotateLeft(QPainter& p, const Ink& ink) {
    const QRectF circle(5, 6, 14, 14);
    QPainterPath arc;
    arc.arcMoveTo(circle, -60);
    arc.arcTo(circle, -60, 240);
    p.drawPath(arc);
    p.setPen(QPen(ink.accent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    arrowHead(p, QPointF(5, 14.5), QPointF(1.8, 10.8), QPointF(8.2, 10.8));
    p.setPen(QPen(ink.line, 1.4));
    p.drawRect(QRectF(9.5, 10.5, 5, 5));
}

void drawFlipHorizontal(QPainter& p, const Ink& ink) {
    p.save();
    QPen axis = p.pen();
    axis.setStyle(Qt::DashLine);
    axis.setWidthF(1.2);
    p.setPen(axis);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
    p.restore();
    const QPolygonF left{QPointF(9.5, 6), QPointF(9.5, 18), QPointF(2.5, 18)};
    const QPolygonF right{QPointF(14.5, 6), QPointF(14.5, 18), QPointF(21.5, 18)};
    p.drawPolygon(left);
    p.setBrush(ink.accent);
    p.setPen(QPen(ink.accent, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(right);
}

void drawGlyph(QPainter& p, ToolGlyph glyph, const Ink& ink) {
    switch (glyph) {
        case ToolGlyph::New: {
            p.drawPolygon(QPolygonF{QPointF(5.5, 2.5), QPointF(14, 2.5), QPointF(18.5, 7), QPointF(18.5, 21.5),
                                    QPointF(5.5, 21.5)});
            p.drawPolyline(QPolygonF{QPointF(14, 2.5), QPointF(14, 7), QPointF(18.5, 7)});
            p.setPen(QPen(ink.accent, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 11), QPointF(12, 18));
            p.drawLine(QPointF(8.5, 14.5), QPointF(15.5, 14.5));
            break;
        }
        case ToolGlyph::Open:
            p.drawPolyline(QPolygonF{QPointF(3, 19), QPointF(3, 5), QPointF(9, 5), QPointF(11, 7), QPointF(18, 7),
                                     QPointF(18, 10)});
            p.setBrush(ink.accent);
            p.setPen(QPen(ink.accent, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolygon(QPolygonF{QPointF(3, 19), QPointF(6.5, 10.5), QPointF(21.5, 10.5), QPointF(18, 19)});
            break;
        case ToolGlyph::Save:
            p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
            p.drawRect(QRectF(7.5, 3.5, 8, 5.5));
            p.setPen(QPen(ink.accent, 1.6));
            p.drawRect(QRectF(7, 13, 10, 7.5));
            break;
        case ToolGlyph::Print:
            p.drawRect(QRectF(7, 2.5, 10, 6));
            p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
            p.setBrush(p.pen().color());
            p.drawEllipse(QPointF(18, 11.5), 0.8, 0.8);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ink.accent, 1.6));
            p.drawRect(QRectF(7, 14, 10, 7.5));
            break;
        case ToolGlyph::Undo: {
            QPainterPath path(QPointF(19, 19));
            path.cubicTo(QPointF(19.5, 11), QPointF(14, 8.5), QPointF(5, 9));
            p.drawPath(path);
            p.setPen(QPen(ink.accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            arrowHead(p, QPointF(4.5, 9), QPointF(8.5, 5), QPointF(8.5, 13));
            break;
        }
        case ToolGlyph::ZoomOut:
            drawMagnifier(p, ink);
            p.drawLine(QPointF(7, 10), QPointF(13, 10));
            break;
        case ToolGlyph::ZoomIn:
            drawMagnifier(p, ink);
            p.drawLine(QPointF(7, 10), QPointF(13, 10));
            p.drawLine(QPointF(10, 7), QPointF(10, 13));
            break;
        case ToolGlyph::ZoomActual:
            drawMagnifier(p, ink);
            p.drawLine(QPointF(7.2, 7.5), QPointF(7.2, 12.5));
            p.drawLine(QPointF(12.8, 7.5), QPointF(12.8, 12.5));
            p.setBrush(ink.accent);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(10, 8.6), 0.9, 0.9);
            p.drawEllipse(QPointF(10, 11.4), 0.9, 0.9);
            break;
        case ToolGlyph::RotateLeft:
            drawRotateLeft(p, ink);
            break;
        case ToolGlyph::RotateRight:
            p.translate(24, 0);
            p.scale(-1, 1);
            drawRotateLeft(p, ink);
            break;
        case ToolGlyph::FlipHorizontal:
            drawFlipHorizontal(p, ink);
            break;
        case ToolGlyph::FlipVertical:
            p.translate(24, 0);
            p.rotate(90);
            drawFlipHorizontal(p, ink);
            break;
        case ToolGlyph::ImageSize:
            p.drawRect(QRectF(2.5, 13.5, 8, 8));
            p.save();
            p.setPen(QPen(ink.line, 1.2, Qt::DashLine));
            p.drawRect(QRectF(2.5, 2.5, 19, 19));
            p.restore();
            p.setPen(QPen(ink.accent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(12, 12), QPointF(18.5, 5.5));
            arrowHead(p, QPointF(18.5, 5.5), QPointF(13.5, 5.5), QPointF(18.5, 10.5));
            break;
        case ToolGlyph::Crop:
            p.drawPolyline(QPolygonF{QPointF(7, 2), QPointF(7, 17), QPointF(22, 17)});
            p.setPen(QPen(ink.accent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF{QPointF(2, 7), QPointF(17, 7), QPointF(17, 22)});
            break;
        case ToolGlyph::Deselect:
            p.save();
            p.setPen(QPen(ink.line, 1.4, Qt::DashLine));
            p.drawRect(QRectF(3.5, 3.5, 17, 17));
            p.restore();
            p.setPen(QPen(ink.accent, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
            p.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
            break;
    }
}

QPixmap drawPixmap(ToolGlyph glyph, const Ink& ink, int size) {
    constexpr qreal kOversample = 2;
    QPixmap pixmap(QSize(size, size) * kOversample);
    pixmap.setDevicePixelRatio(kOversample);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    p.setPen(QPen(ink.line, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawGlyph(p, glyph, ink);
    return pixmap;
}

}  // namespace

QIcon drawToolIcon(ToolGlyph glyph, const QPalette& palette, int size) {
    QIcon icon;
    const Ink normal{palette.color(QPalette::Active, QPalette::ButtonText),
                     palette.color(QPalette::Active, QPalette::Highlight)};
    QColor faint = palette.color(QPalette::Disabled, QPalette::ButtonText);
    if (faint == normal.line) faint.setAlphaF(0.4);
    const Ink disabled{faint, faint};
    icon.addPixmap(drawPixmap(glyph, normal, size), QIcon::Normal);
    icon.addPixmap(drawPixmap(glyph, normal, size), QIcon::Active);
    icon.addPixmap(drawPixmap(glyph, disabled, size), QIcon::Disabled);
    return icon;
}

}  // namespace qm

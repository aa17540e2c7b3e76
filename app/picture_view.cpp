#include "app/picture_view.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "app/document.h"

namespace qm {

namespace {

const QColor kSilver(192, 192, 192);
constexpr double kMaxScrollRange = INT_MAX / 2;

int clampToInt(double value) { return static_cast<int>(std::clamp(value, 0.0, kMaxScrollRange)); }

}  // namespace

PictureView::PictureView(Document& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    shownZoom_ = document_.zoom();
}

void PictureView::setSelecting(bool on) {
    selecting_ = on;
    viewport()->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!on) dragging_ = false;
}

double PictureView::scale() const { return document_.zoom() / 100.0; }

QPointF PictureView::pictureOrigin() const {
    const Image& image = document_.working();
    const double width = image.width() * scale(), height = image.height() * scale();
    const QSize view = viewport()->size();
    const double x = width < view.width() ? std::floor((view.width() - width) / 2) : -horizontalScrollBar()->value();
    const double y = height < view.height() ? std::floor((view.height() - height) / 2) : -verticalScrollBar()->value();
    return {x, y};
}

QPoint PictureView::pixelAt(QPointF position) const {
    const Image& image = document_.working();
    const QPointF origin = pictureOrigin();
    const double x = std::floor((position.x() - origin.x()) / scale());
    const double y = std::floor((position.y() - origin.y()) / scale());
    return {static_cast<int>(std::clamp(x, 0.0, double(std::max(0, image.width() - 1)))),
            static_cast<int>(std::clamp(y, 0.0, double(std::max(0, image.height() - 1))))};
}

void PictureView::updateScrollBars() {
    const Image& image = document_.working();
    const QSize view = viewport()->size();
    const double width = std::ceil(image.width() * scale()), height = std::ceil(image.height() * scale());
    horizontalScrollBar()->setRange(0, clampToInt(width - view.width()));
    verticalScrollBar()->setRange(0, clampToInt(height - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(32);
    verticalScrollBar()->setSingleStep(32);
}

void PictureView::pictureChanged() {
    const double zoom = document_.zoom();
    if (zoom != shownZoom_ && shownZoom_ > 0) {
        // Zooming keeps the picture point at the middle of the view in place.
        const QPointF middle(viewport()->width() / 2.0, viewport()->height() / 2.0);
        const QPointF origin = pictureOrigin();
        const double oldScale = shownZoom_ / 100.0;
        const QPointF picturePoint = (middle - QPointF(origin.x(), origin.y())) / oldScale;
        updateScrollBars();
        horizontalScrollBar()->setValue(clampToInt(picturePoint.x() * scale() - middle.x()));
        verticalScrollBar()->setValue(clampToInt(picturePoint.y() * scale() - middle.y()));
    } else {
        updateScrollBars();
    }
    shownZoom_ = zoom;
    viewport()->update();
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PictureView::scrollContentsBy(int, int) { viewport()->update(); }

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), kSilver);
    if (document_.working().empty()) return;
    paintPicture(painter, event->rect());
    if (document_.selection()) paintSelection(painter);
}

void PictureView::paintPicture(QPainter& painter, const QRect& exposed) {
    const Image& image = document_.working();
    const QPointF origin = pictureOrigin();
    const QRectF onScreen(origin, QSizeF(image.width() * scale(), image.height() * scale()));
    const QRect target = exposed & onScreen.toAlignedRect();
    if (target.isEmpty()) return;

    // Work in device pixels, so a high-density screen shows the picture sharp.
    const double ratio = viewport()->devicePixelRatioF();
    const double s = scale() * ratio;
    const QPointF deviceOrigin = origin * ratio;
    const QRect device(QPoint(int(std::floor(target.left() * ratio)), int(std::floor(target.top() * ratio))),
                       QSize(int(std::ceil(target.width() * ratio)), int(std::ceil(target.height() * ratio))));

    // Sample per screen pixel, so the work follows the exposed area and not
    // the picture's size. Shrunk pictures average four samples spread over
    // each screen pixel's footprint, which keeps fine detail from flickering.
    const bool shrunk = s < 0.5;
    const double offsets[2] = {shrunk ? 0.25 : 0.5, shrunk ? 0.75 : 0.5};
    const auto sampleIndex = [s](double screen, double start, int size) {
        return static_cast<int>(std::clamp(std::floor((screen - start) / s), 0.0, double(size - 1)));
    };
    std::vector<int> columns[2];
    for (int k = 0; k < 2; ++k) {
        columns[k].resize(device.width());
        for (int i = 0; i < device.width(); ++i)
            columns[k][i] = sampleIndex(device.left() + i + offsets[k], deviceOrigin.x(), image.width());
    }
    QImage shown(device.size(), QImage::Format_RGB32);
    for (int j = 0; j < device.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(j));
        const double y = device.top() + j;
        const Rgb* top = image.row(sampleIndex(y + offsets[0], deviceOrigin.y(), image.height()));
        if (!shrunk) {
            for (int i = 0; i < device.width(); ++i) {
                const Rgb& p = top[columns[0][i]];
                line[i] = qRgb(p.r, p.g, p.b);
            }
            continue;
        }
        const Rgb* bottom = image.row(sampleIndex(y + offsets[1], deviceOrigin.y(), image.height()));
        for (int i = 0; i < device.width(); ++i) {
            const Rgb& a = top[columns[0][i]];
            const Rgb& b = top[columns[1][i]];
            const Rgb& c = bottom[columns[0][i]];
            const Rgb& d = bottom[columns[1][i]];
            line[i] = qRgb((a.r + b.r + c.r + d.r + 2) / 4, (a.g + b.g + c.g + d.g + 2) / 4,
                           (a.b + b.b + c.b + d.b + 2) / 4);
        }
    }
    shown.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(device.topLeft()) / ratio, shown);
}

QRectF PictureView::selectionOnScreen() const {
    const Selection& sel = *document_.selection();
    const QPointF origin = pictureOrigin();
    const double s = scale();
    return QRectF(QPointF(origin.x() + sel.x1 * s, origin.y() + sel.y1 * s),
                  QPointF(origin.x() + (sel.x2 + 1) * s, origin.y() + (sel.y2 + 1) * s));
}

void PictureView::paintSelection(QPainter& painter) {
    const QRectF edge = selectionOnScreen().adjusted(0, 0, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(edge);
    QPen dashes(Qt::white, 1, Qt::CustomDashLine);
    dashes.setDashPattern({4, 4});
    painter.setPen(dashes);
    painter.drawRect(edge);

    painter.setPen(QPen(Qt::black, 1));
    const double xs[3] = {edge.left(), edge.center().x(), edge.right()};
    const double ys[3] = {edge.top(), edge.center().y(), edge.bottom()};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            if (i == 1 && j == 1) continue;
            const QPointF centre(std::round(xs[i]), std::round(ys[j]));
            painter.drawRect(QRectF(centre.x() - kGripSize, centre.y() - kGripSize, 2 * kGripSize, 2 * kGripSize));
        }
}

std::optional<QPoint> PictureView::gripAnchor(QPointF position, bool& horizontalOnly, bool& verticalOnly) const {
    if (!document_.selection()) return std::nullopt;
    const Selection& sel = *document_.selection();
    const QRectF edge = selectionOnScreen().adjusted(0, 0, -1, -1);
    const double xs[3] = {edge.left(), edge.center().x(), edge.right()};
    const double ys[3] = {edge.top(), edge.center().y(), edge.bottom()};
    const int anchorX[3] = {sel.x2, sel.x1, sel.x1};
    const int anchorY[3] = {sel.y2, sel.y1, sel.y1};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            if (i == 1 && j == 1) continue;
            if (std::abs(position.x() - xs[i]) > kGripSize + 2 || std::abs(position.y() - ys[j]) > kGripSize + 2)
                continue;
            // A side grip moves one edge only.
            verticalOnly = i == 1;
            horizontalOnly = j == 1;
            return QPoint(anchorX[i], anchorY[j]);
        }
    return std::nullopt;
}

void PictureView::dragTo(QPoint pixel) {
    Selection next;
    const std::optional<Selection>& held = document_.selection();
    if (lockX_ && held) {
        next.x1 = held->x1;
        next.x2 = held->x2;
    } else {
        next.x1 = std::min(anchor_.x(), pixel.x());
        next.x2 = std::max(anchor_.x(), pixel.x());
    }
    if (lockY_ && held) {
        next.y1 = held->y1;
        next.y2 = held->y2;
    } else {
        next.y1 = std::min(anchor_.y(), pixel.y());
        next.y2 = std::max(anchor_.y(), pixel.y());
    }
    document_.setSelection(next);
    viewport()->update();
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !selecting_ || document_.working().empty()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    bool horizontalOnly = false, verticalOnly = false;
    dragging_ = true;
    if (const auto anchor = gripAnchor(event->position(), horizontalOnly, verticalOnly)) {
        anchor_ = *anchor;
        lockX_ = verticalOnly;
        lockY_ = horizontalOnly;
        dragMoved_ = true;
    } else {
        anchor_ = pressPixel_ = pixelAt(event->position());
        lockX_ = lockY_ = false;
        dragMoved_ = false;
    }
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        const QPoint pixel = pixelAt(event->position());
        if (pixel != pressPixel_) dragMoved_ = true;
        if (dragMoved_) dragTo(pixel);
    }
    emit mouseMoved();
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        // A click without a drag drops the selection.
        if (!dragMoved_) {
            document_.setSelection(std::nullopt);
            viewport()->update();
        }
    }
    emit mouseReleased();
}

void PictureView::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_) popupMenu_->exec(event->globalPos());
}

}  // namespace qm

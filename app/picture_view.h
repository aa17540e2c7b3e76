#pragma once
#include <QAbstractScrollArea>
#include <QPoint>
#include <optional>

class QMenu;

namespace qm {

class Document;

// Shows the working image at the document's zoom on a silver background,
// centred while it is smaller than the view, and lets the user drag a
// rectangle selection while selecting is on. Only the exposed part of the
// picture is converted for the screen, so very large pictures stay quick.
class PictureView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kGripSize = 3;  // half the side of a selection grip

    explicit PictureView(Document& document, QWidget* parent = nullptr);
    void pictureChanged();  // size, pixels, zoom or selection changed
    void setSelecting(bool on);
    bool selecting() const { return selecting_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    // The picture pixel under a viewport position, clamped to the picture.
    QPoint pixelAt(QPointF viewportPosition) const;
    // Where picture pixel (0, 0) lands in the viewport, at the current scroll.
    QPointF pictureOrigin() const;

signals:
    void mouseMoved();
    void mouseReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    double scale() const;
    void updateScrollBars();
    void paintPicture(QPainter& painter, const QRect& exposed);
    void paintSelection(QPainter& painter);
    // The selection's edges in viewport coordinates.
    QRectF selectionOnScreen() const;
    // The anchor a press on a grip resizes from, if the press is on one.
    std::optional<QPoint> gripAnchor(QPointF viewportPosition, bool& horizontalOnly, bool& verticalOnly) const;
    void dragTo(QPoint pixel);

    Document& document_;
    double shownZoom_ = 0;
    bool selecting_ = false;
    QMenu* popupMenu_ = nullptr;
    // The drag under way: the fixed corner and which edges follow the mouse.
    bool dragging_ = false, dragMoved_ = false, lockX_ = false, lockY_ = false;
    QPoint anchor_, pressPixel_;
};

}  // namespace qm

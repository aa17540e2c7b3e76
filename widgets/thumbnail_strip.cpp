#include "widgets/thumbnail_strip.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cctype>
#include <exception>

#include "codecs/registry.h"
#include "core/centred_thumbnail.h"
#include "documents/picture_qimage.h"

namespace qm {

namespace {

constexpr int kHorizontalBorder = 2;  // between cells and at the ends
constexpr int kVerticalBorder = 2;    // below the cells
constexpr int kUpperGap = 5;          // above the cells
constexpr int kSelectionWidth = 2;
const QColor kSelectionColour(0, 0, 128);  // navy
const QColor kCellBorderColour(Qt::black);

}  // namespace

ThumbnailStrip::ThumbnailStrip(QWidget* parent)
    : QAbstractScrollArea(parent), background_(palette().color(QPalette::Button)), source_(&pictureFromFile) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(20);
}

void ThumbnailStrip::setThumbnailSize(QSize size) {
    thumbnailSize_ = size.expandedTo(QSize(1, 1));
    updateScrollRange();
    viewport()->update();
}

void ThumbnailStrip::setThumbnailsBackground(QColor colour) {
    background_ = colour;
    viewport()->update();
}

void ThumbnailStrip::setPictureSource(PictureSource source) { source_ = std::move(source); }

QImage ThumbnailStrip::pictureFromFile(const std::filesystem::path& file, QSize cell) {
    try {
        codecs::ReadHints hints;
        hints.minimumSide = std::max(cell.width(), cell.height());
        const QImage picture = toQImage(codecs::readImage(file, hints));
        if (picture.width() <= cell.width() && picture.height() <= cell.height()) return picture;
        return picture.scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } catch (const std::exception&) {
        return {};
    }
}

namespace {

bool decodesScaled(const std::filesystem::path& file) {
    // Of the collection formats only JPEG honours the thumbnail hint.
    std::string extension = file.extension().string();
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".jpg" || extension == ".jpeg";
}

}  // namespace

void ThumbnailStrip::centreNarrowPictures() {
    setPictureSource([this](const std::filesystem::path& file, QSize cell) -> QImage {
        Image picture;
        try {
            codecs::ReadHints hints;
            hints.minimumSide = std::max({cell.width(), cell.height(), kCentredThumbnailSide});
            picture = codecs::readImage(file, hints);
            // A scaled decode keeps its larger side at least the hint, so
            // only then may a narrow result stand for a wider picture, or a
            // narrow picture come out too small to centre at its own size.
            if (needsCentredThumbnail(picture.width()) && decodesScaled(file) &&
                std::max(picture.width(), picture.height()) >= hints.minimumSide)
                picture = codecs::readImage(file);
        } catch (const std::exception&) {
            return {};
        }
        if (needsCentredThumbnail(picture.width())) {
            const QColor c = background_;
            return toQImage(makeCentredThumbnail(picture, Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()),
                                                              std::uint8_t(c.blue())}));
        }
        const QImage shown = toQImage(picture);
        if (shown.width() <= cell.width() && shown.height() <= cell.height()) return shown;
        return shown.scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    });
}

void ThumbnailStrip::clear() {
    entries_.clear();
    selected_ = -1;
    horizontalScrollBar()->setValue(0);
    updateScrollRange();
    viewport()->update();
}

int ThumbnailStrip::appendEntry(std::filesystem::path file) {
    entries_.push_back({std::move(file), {}, false});
    updateScrollRange();
    viewport()->update();
    return count() - 1;
}

int ThumbnailStrip::appendEntry(std::filesystem::path file, QImage picture) {
    entries_.push_back({std::move(file), std::move(picture), true});
    updateScrollRange();
    viewport()->update();
    return count() - 1;
}

void ThumbnailStrip::setFiles(const std::vector<std::filesystem::path>& files) {
    clear();
    entries_.reserve(files.size());
    for (const auto& file : files) entries_.push_back({file, {}, false});
    if (!entries_.empty()) selected_ = 0;
    updateScrollRange();
    viewport()->update();
}

void ThumbnailStrip::setSelectedIndex(int index) {
    selected_ = (index >= 0 && index < count()) ? index : -1;
    if (selected_ >= 0) scrollToEntry(selected_);
    viewport()->update();
}

int ThumbnailStrip::selectedOrFirst() const {
    if (entries_.empty()) return -1;
    return selected_ >= 0 ? selected_ : 0;
}

QSize ThumbnailStrip::cellSize() const {
    const int available = viewport()->height() - kUpperGap - kVerticalBorder;
    if (available <= 0 || available >= thumbnailSize_.height()) return thumbnailSize_;
    return {std::max(1, thumbnailSize_.width() * available / thumbnailSize_.height()), available};
}

int ThumbnailStrip::pitch() const { return cellSize().width() + kHorizontalBorder; }

QRect ThumbnailStrip::entryRect(int index) const {
    const QSize cell = cellSize();
    const int x = kHorizontalBorder + index * pitch() - horizontalScrollBar()->value();
    return {x, kUpperGap, cell.width(), cell.height()};
}

int ThumbnailStrip::entryAt(QPoint point) const {
    const int x = point.x() + horizontalScrollBar()->value() - kHorizontalBorder;
    if (x < 0) return -1;
    const int index = x / pitch();
    if (index >= count() || !entryRect(index).contains(point)) return -1;
    return index;
}

void ThumbnailStrip::scrollToEntry(int index) {
    const QRect r = entryRect(index);
    auto* bar = horizontalScrollBar();
    if (r.left() < 0) bar->setValue(bar->value() + r.left() - kHorizontalBorder);
    else if (r.right() >= viewport()->width())
        bar->setValue(bar->value() + r.right() - viewport()->width() + 1 + kHorizontalBorder);
}

QSize ThumbnailStrip::sizeHint() const {
    return {3 * (thumbnailSize_.width() + kHorizontalBorder),
            thumbnailSize_.height() + kUpperGap + kVerticalBorder + horizontalScrollBar()->sizeHint().height() +
                2 * frameWidth()};
}

void ThumbnailStrip::updateScrollRange() {
    const int content = kHorizontalBorder + count() * pitch();
    auto* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, content - viewport()->width()));
    bar->setPageStep(std::max(1, viewport()->width()));
}

const QImage& ThumbnailStrip::pictureOf(Entry& entry) {
    if (!entry.pictureReady) {
        entry.picture = source_ ? source_(entry.file, cellSize()) : QImage();
        entry.pictureReady = true;
    }
    return entry.picture;
}

void ThumbnailStrip::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    if (entries_.empty()) return;
    const int scroll = horizontalScrollBar()->value();
    const int first = std::max(0, (dirty.left() + scroll - kHorizontalBorder) / pitch());
    const int last = std::min(count() - 1, (dirty.right() + scroll - kHorizontalBorder) / pitch());
    for (int i = first; i <= last; ++i) {
        const QRect cell = entryRect(i);
        if (!cell.intersects(dirty)) continue;
        painter.fillRect(cell, background_);
        const QRect inner = cell.adjusted(1 + kSelectionWidth, 1 + kSelectionWidth, -1 - kSelectionWidth,
                                          -1 - kSelectionWidth);
        const QImage& picture = pictureOf(entries_[std::size_t(i)]);
        if (picture.isNull()) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawLine(inner.topLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomLeft());
        } else {
            QSize shown = picture.size();
            if (shown.width() > inner.width() || shown.height() > inner.height())
                shown.scale(inner.size(), Qt::KeepAspectRatio);
            const QRect target(inner.x() + (inner.width() - shown.width()) / 2,
                               inner.y() + (inner.height() - shown.height()) / 2, shown.width(), shown.height());
            painter.setRenderHint(QPainter::SmoothPixmapTransform, shown != picture.size());
            painter.drawImage(target, picture);
        }
        painter.setPen(kCellBorderColour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        if (i == selected_) {
            QPen pen(kSelectionColour, kSelectionWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.drawRect(QRectF(cell).adjusted(1 + kSelectionWidth / 2.0, 1 + kSelectionWidth / 2.0,
                                                   -1 - kSelectionWidth / 2.0, -1 - kSelectionWidth / 2.0));
        }
    }
}

void ThumbnailStrip::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ThumbnailStrip::selectByUser(int index) {
    if (index < 0 || index >= count()) return;
    selected_ = index;
    scrollToEntry(index);
    viewport()->update();
    emit imageSelected(index);
}

void ThumbnailStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    selectByUser(entryAt(event->position().toPoint()));
}

void ThumbnailStrip::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left: selectByUser(std::max(0, selectedOrFirst() - 1)); return;
    case Qt::Key_Right: selectByUser(std::min(count() - 1, selected_ + 1)); return;
    case Qt::Key_Home: selectByUser(0); return;
    case Qt::Key_End: selectByUser(count() - 1); return;
    default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void ThumbnailStrip::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int steps = delta.x() != 0 ? delta.x() : delta.y();
    auto* bar = horizontalScrollBar();
    bar->setValue(bar->value() - steps * bar->singleStep() / 40);
    event->accept();
}

bool ThumbnailStrip::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = entryAt(help->pos());
        if (index < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const Entry& entry = entries_[std::size_t(index)];
        QString text = QString::fromStdString(entry.file.string());
        if (entry.pictureReady && entry.picture.isNull()) text += "\ncannot be read as a picture";
        QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace qm

#pragma once
#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QSize>
#include <filesystem>
#include <functional>
#include <vector>

namespace qm {

// A one-row, horizontally scrolling strip of thumbnails, one entry per file
// of a collection. An entry either carries a picture of its own or is drawn
// from its file the first time it comes into sight, decoded at thumbnail
// size; either way an entry's file is decoded at most once, so filling the
// strip with hundreds of files costs nothing until they are looked at.
class ThumbnailStrip : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Makes the picture of an entry that has none of its own, for a cell of
    // `cell` pixels; a null image marks a file that cannot be read. Called
    // at most once per entry, when the entry is first drawn.
    using PictureSource = std::function<QImage(const std::filesystem::path& file, QSize cell)>;

    explicit ThumbnailStrip(QWidget* parent = nullptr);

    // Size of one thumbnail cell; shrunk to fit when the strip is lower.
    void setThumbnailSize(QSize size);
    QSize thumbnailSize() const { return thumbnailSize_; }
    // Colour behind every thumbnail (the button face unless set).
    void setThumbnailsBackground(QColor colour);
    QColor thumbnailsBackground() const { return background_; }
    void setPictureSource(PictureSource source);
    // The default source: the file decoded at thumbnail size.
    static QImage pictureFromFile(const std::filesystem::path& file, QSize cell);
    // A source for collections of strips and tiles: a picture narrower than
    // 100 pixels is shown at its own size, centred on a canvas 100 wide and
    // at least 100 high in the strip's background colour; wider ones as the
    // default source shows them.
    void centreNarrowPictures();

    void clear();
    // Returns the new entry's index.
    int appendEntry(std::filesystem::path file);
    int appendEntry(std::filesystem::path file, QImage picture);
    // Clears, appends one file-drawn entry per path and selects entry 0.
    void setFiles(const std::vector<std::filesystem::path>& files);

    int count() const { return int(entries_.size()); }
    const std::filesystem::path& fileName(int index) const { return entries_.at(std::size_t(index)).file; }
    // -1 when nothing is selected.
    int selectedIndex() const { return selected_; }
    // Selects without emitting imageSelected; -1 clears the selection.
    void setSelectedIndex(int index);
    // The selected entry, or 0 when none is selected; -1 for an empty strip.
    int selectedOrFirst() const;

    QRect entryRect(int index) const;  // in viewport coordinates
    int entryAt(QPoint viewportPoint) const;  // -1 when no entry is there
    void scrollToEntry(int index);

    QSize sizeHint() const override;

signals:
    // The user selected an entry (a click, the already selected one
    // included, or the arrow keys). Never emitted for setSelectedIndex.
    void imageSelected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    struct Entry {
        std::filesystem::path file;
        QImage picture;
        bool pictureReady = false;  // own picture, or the source has run
    };
    QSize cellSize() const;
    int pitch() const;
    const QImage& pictureOf(Entry& entry);
    void selectByUser(int index);
    void updateScrollRange();

    std::vector<Entry> entries_;
    int selected_ = -1;
    QSize thumbnailSize_{100, 100};
    QColor background_;
    PictureSource source_;
};

}  // namespace qm

#pragma once
#include <optional>
#include <string>

#include "core/image.h"

namespace qm {

// A selection's corners, first and last column and row, both inclusive.
struct Selection {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width() const { return x2 - x1 + 1; }
    int height() const { return y2 - y1 + 1; }
    Rect rect() const { return {x1, y1, width(), height()}; }
    friend bool operator==(const Selection&, const Selection&) = default;
};

// What the main window edits: the working image, the source picture it came
// from, the single undo step, the zoom and the selection. No Qt, so every
// rule here is tested without a window.
class Document {
public:
    static constexpr const char* kUntitled = "Untitled";

    const Image& working() const { return working_; }
    // Replaces the working image; callers save an undo step first.
    void setWorking(Image picture);
    const Image& source() const { return source_; }

    // The data side of a picture entering the program (open, new, paste,
    // scan): it becomes the source picture and the working image, the undo
    // step is discarded, and the document takes `fileName`.
    void newPicture(Image picture, std::string fileName);
    // Copies the source picture back over the working image; the undo step stays.
    void reload();

    // Keeps a copy of the working image as the one undo step, unless the
    // picture is less than 2 pixels wide or high (then the held step stays).
    void saveUndoStep();
    bool canUndo() const { return undo_.has_value(); }
    // Restores the held step and keeps it, so Undo can be repeated.
    void undo();

    bool imageLoaded() const { return imageLoaded_; }
    const std::string& currentFileName() const { return currentFileName_; }
    void setCurrentFileName(std::string name) { currentFileName_ = std::move(name); }

    double zoom() const { return zoom_; }
    // A zoom of 0 or less is ignored.
    void setZoom(double percent);

    const std::optional<Selection>& selection() const { return selection_; }
    void setSelection(std::optional<Selection> selection) { selection_ = selection; }

private:
    Image working_;
    Image source_;
    std::optional<Image> undo_;
    bool imageLoaded_ = false;
    std::string currentFileName_ = kUntitled;
    double zoom_ = 100;
    std::optional<Selection> selection_;
};

}  // namespace qm

#include "app/document.h"

namespace qm {

void Document::setWorking(Image picture) { working_ = std::move(picture); }

void Document::newPicture(Image picture, std::string fileName) {
    source_ = std::move(picture);
    source_.dropAlpha();
    working_ = source_;
    undo_.reset();
    selection_.reset();
    currentFileName_ = std::move(fileName);
    imageLoaded_ = true;
}

void Document::reload() {
    working_ = source_;
}

void Document::saveUndoStep() {
    if (working_.width() < 2 || working_.height() < 2) return;
    undo_ = working_;
}

void Document::undo() {
    if (undo_) working_ = *undo_;
}

void Document::setZoom(double percent) {
    if (percent > 0) zoom_ = percent;
}

}  // namespace qm

// New and New from Clipboard.
#include <new>

#include "app/main_window.h"
#include "core/error.h"
#include "documents/clipboard_picture.h"
#include "documents/new_image_dialog.h"

namespace qm {

void TfFrame::New1Click() {
    TNewImageForm dialog(this);
    if (prompts().exec(dialog) != QDialog::Accepted) return;
    Image picture;
    try {
        picture = Image(dialog.ImageWidth, dialog.ImageHeight, dialog.FillColor);
    } catch (const Error& error) {
        prompts().error(this, error.what());
        return;
    } catch (const std::bad_alloc&) {
        prompts().error(this, QString("Not enough memory for a picture of %1 x %2 pixels")
                                  .arg(dialog.ImageWidth)
                                  .arg(dialog.ImageHeight));
        return;
    }
    newPictureSequence(std::move(picture), Document::kUntitled);
}

void TfFrame::NewfromClipboard1Click() {
    if (!clipboardHasPicture()) {
        prompts().warning(nullptr, "Warning", "Clipboard does not contain graphic objects");
        return;
    }
    auto picture = pictureFromClipboard();
    if (!picture) {
        prompts().error(this, "The picture on the clipboard could not be read");
        return;
    }
    newPictureSequence(std::move(*picture), Document::kUntitled);
}

}  // namespace qm

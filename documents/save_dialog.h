#pragma once
#include <QFileDialog>

#include "codecs/save_options.h"
#include "core/image.h"

class QLabel;

namespace qm {

// The save dialog: the file chooser with a preview of the picture being
// saved and an "Advanced..." button that edits the save options of the
// format the name's extension (or else the chosen filter) selects. A name
// typed without extension gets the chosen filter's extension. The window
// asks about replacing files itself, so this dialog does not.
class SaveDialog : public QFileDialog {
    Q_OBJECT
public:
    SaveDialog(QWidget* parent, const QString& proposed, const QStringList& filters, codecs::SaveOptions& options);
    void setPreview(const Image& picture);
    QString chosenPath() const;
    // The extension whose options the advanced button edits.
    QString currentExtension() const;
    // A name typed without extension gets the chosen filter's.
    void accept() override;

private:
    void showAdvancedOptions();

    codecs::SaveOptions& options_;
    QLabel* preview_ = nullptr;
};

}  // namespace qm

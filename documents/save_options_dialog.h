#pragma once
#include <QDialog>
#include <QString>

#include "codecs/save_options.h"

namespace qm {

// The advanced options of the save dialog: the settings of one format,
// chosen by extension ("jpg", "tif"...). OK stores them into `options`.
class SaveOptionsDialog : public QDialog {
    Q_OBJECT
public:
    SaveOptionsDialog(QWidget* parent, const QString& extension, codecs::SaveOptions& options);
    void accept() override;

private:
    codecs::SaveOptions& options_;
    codecs::SaveOptions edited_;
};

}  // namespace qm

#pragma once
#include <QDialog>

#include "core/image.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qm {

class ColorButton;
class UpDown;

// "Add a drop shadow": blur radius, the two offsets and the shadow colour.
class Tform_shadow : public QDialog {
    Q_OBJECT
public:
    explicit Tform_shadow(QWidget* parent = nullptr);

    // The offsets as the edits read (0 for a text that is no whole number);
    // the radius text is read by the command, which reports a bad one.
    int offsetX() const;
    int offsetY() const;
    Rgb colour() const;

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr;
    UpDown *UpDown4 = nullptr, *UpDown5 = nullptr, *UpDown6 = nullptr;
    ColorButton* ShadowColor = nullptr;
    QPushButton *JvXPButton1 = nullptr, *JvXPButton2 = nullptr;
};

}  // namespace qm

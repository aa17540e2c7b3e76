#pragma once
#include <QDialog>

#include "tools/border.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qm {

class ColorButton;
class UpDown;

// "Add a border": four widths laid out like the sides of a picture, the
// colour in the middle, "symmetric" and "border outside image".
class Tform_border : public QDialog {
    Q_OBJECT
public:
    explicit Tform_border(QWidget* parent = nullptr);

    // The widths as the edits read (0 for a text that is no whole number).
    BorderWidths widths() const;
    Rgb colour() const;
    bool outside() const;

    void CheckBox1Click();
    // Shared by the four width edits; copes with being re-entered through
    // the edits it writes.
    void Edit8Change(QLineEdit* sender);

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit *Edit8 = nullptr, *Edit9 = nullptr, *Edit10 = nullptr, *Edit11 = nullptr;
    UpDown *UpDown7 = nullptr, *UpDown8 = nullptr, *UpDown9 = nullptr, *UpDown10 = nullptr;
    ColorButton* BorderColor = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr;
    QPushButton *JvXPButton1 = nullptr, *JvXPButton2 = nullptr;
};

}  // namespace qm

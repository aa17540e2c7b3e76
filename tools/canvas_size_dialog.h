#pragma once
#include "core/image.h"
#include "tools/activation_dialog.h"
#include "tools/canvas_size.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qm {

class ColorButton;

// "Canvas Size": the new canvas size, the picture's place on it and the
// canvas colour, with a live preview of the result.
class TfCanvasSize : public ActivationDialog {
    Q_OBJECT
public:
    // `source` is the working image when the command starts; its size is
    // the reference size.
    explicit TfCanvasSize(const Image& source, QWidget* parent = nullptr);

    // The new canvas with the picture on it, as the last preview built it.
    const Image& result() const { return resultCanvas_; }
    CanvasAnchor anchor() const;
    Rgb canvasColour() const;

    void FormActivate() override { btResetClick(); }
    void btResetClick();
    void SpinEdit201Change();
    void SpinEdit202Change();
    void Preview();

    QLabel* Image201 = nullptr;
    QComboBox* ComboBox202 = nullptr;
    ColorButton* CanvasColor = nullptr;
    QLineEdit *Edit201 = nullptr, *Edit202 = nullptr;
    QSpinBox *SpinEdit201 = nullptr, *SpinEdit202 = nullptr;
    QCheckBox* CheckBox201 = nullptr;
    QPushButton *btReset = nullptr, *JvXPButton1 = nullptr, *JvXPButton2 = nullptr;

private:
    Image sourceCopy_;
    Image resultCanvas_;
};

}  // namespace qm

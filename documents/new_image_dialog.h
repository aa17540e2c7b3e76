#pragma once
#include <QColor>
#include <QDialog>
#include <QImage>
#include <functional>
#include <optional>

#include "core/image.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace qm {

// "Create a New Image": a standard or custom size, image type and canvas
// colour, with the pixel size, the byte estimate and a preview against a
// chosen screen kept up to date on every change.
class TNewImageForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewImageForm(QWidget* parent = nullptr);

    // Results, valid after OK.
    int ImageWidth = 320;
    int ImageHeight = 240;
    Rgb FillColor{255, 255, 255};

    // Asks for the swatch colour; nothing when the user cancels.
    std::function<std::optional<QColor>(const QColor& initial)> chooseColor;

    QComboBox* ComboBox2 = nullptr;  // image type
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;
    QFrame* Panel1 = nullptr;  // canvas swatch
    QRadioButton* RadioButton3 = nullptr;
    QComboBox* ComboBox1 = nullptr;  // standard sizes
    QRadioButton* RadioButton4 = nullptr;
    QWidget* Panel2 = nullptr;  // custom size controls
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr;
    QComboBox* ComboBox3 = nullptr;  // custom size unit
    QToolButton* SpeedButton56 = nullptr;
    QLineEdit* Edit3 = nullptr;      // resolution
    QComboBox* ComboBox4 = nullptr;  // resolution unit
    QComboBox* ComboBox5 = nullptr;  // screen size
    QLabel* Image3 = nullptr;        // preview box
    QLabel* Label6 = nullptr;        // "Exceeds screen size"
    QLabel* Label5 = nullptr;        // pixel size
    QLabel* Label2 = nullptr;        // file size
    QLabel* sizeProblemLabel = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr;

    QColor swatchColor() const;
    void setSwatchColor(const QColor& colour);

    void ComboBox2Change();
    void RadioButton1Click();
    void Panel1DblClick();
    void RadioButton3Click();
    void RadioButton4Click();
    void ComboBox1Change();
    void Edit1Change();
    void Edit2Change() { Edit1Change(); }
    void SpeedButton56Click();
    void Edit3Change();
    void ComboBox4Change() { Edit3Change(); }
    void ComboBox5Change() { Preview(); }
    void Preview();

private:
    void buildImageTypeGroup();
    void buildCanvasGroup();
    void buildImageSizeGroup();
    void buildResolutionGroup();
    void buildPreviewGroup();
    void buildLabelsAndButtons();
    void connectHandlers();
    void FormCreate();

    QImage PreviewBitmap;
};

}  // namespace qm

#include "documents/new_image_dialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

#include "documents/new_image_glyphs.h"
#include "documents/new_image_size.h"

namespace qm {
namespace {

constexpr QColor kMoneyGreen(192, 220, 192);
constexpr int kPreviewBoxWidth = 160, kPreviewBoxHeight = 120;

// The canvas swatch: a coloured panel that opens the colour dialog on a click.
class SwatchPanel : public QFrame {
public:
    using QFrame::QFrame;
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (clicked) clicked();
    }
};

template <typename W>
W* place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* placeLabel(const QString& text, QWidget* parent, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QComboBox* dropDownList(QWidget* parent, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

int readNumber(const QLineEdit* edit, int fallback) {
    return parseWholeNumber(edit->text().toStdString()).value_or(fallback);
}

}  // namespace

TNewImageForm::TNewImageForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Create a New Image");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(544, 408);
    // The layout is in pixels, made for a small dialog font with the group
    // titles sitting on the frame line.
    setStyleSheet(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }");
    chooseColor = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, this);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    };
    buildImageTypeGroup();
    buildCanvasGroup();
    buildImageSizeGroup();
    buildResolutionGroup();
    buildPreviewGroup();
    buildLabelsAndButtons();
    QFont small = font();
    small.setPixelSize(11);
    for (QWidget* widget : findChildren<QWidget*>()) widget->setFont(small);
    small.setBold(true);
    Label6->setFont(small);
    connectHandlers();
    FormCreate();
}

void TNewImageForm::buildImageTypeGroup() {
    auto* group = place(new QGroupBox("Image type", this), 8, 8, 273, 41);
    ComboBox2 = place(dropDownList(group, {"Color (24 bit)", "Black and White (1 bit)"}), 112, 12, 153, 21);
}

void TNewImageForm::buildCanvasGroup() {
    auto* group = place(new QGroupBox("Canvas", this), 8, 56, 273, 81);
    RadioButton1 = place(new QRadioButton("White", group), 16, 24, 113, 17);
    RadioButton1->setChecked(true);
    RadioButton2 = place(new QRadioButton("Custom color", group), 16, 48, 113, 17);
    auto* swatch = place(new SwatchPanel(group), 136, 48, 65, 17);
    swatch->clicked = [this] { Panel1DblClick(); };
    swatch->setFrameShape(QFrame::Box);
    swatch->setToolTip("Canvas color - Double Click to Edit");
    swatch->setAutoFillBackground(true);
    Panel1 = swatch;
    setSwatchColor(kMoneyGreen);
}

void TNewImageForm::buildImageSizeGroup() {
    auto* group = place(new QGroupBox("Image size", this), 8, 144, 273, 121);
    RadioButton3 = place(new QRadioButton("Standard", group), 16, 24, 81, 17);
    RadioButton3->setChecked(true);
    QStringList standardNames;
    for (const char* name : kStandardSizeNames) standardNames << name;
    ComboBox1 = place(dropDownList(group, standardNames), 96, 22, 169, 21);
    ComboBox1->setCurrentIndex(3);
    RadioButton4 = place(new QRadioButton("Custom", group), 16, 56, 73, 17);

    Panel2 = place(new QWidget(group), 96, 56, 168, 57);
    Panel2->setEnabled(false);
    auto* widthIcon = place(new QLabel(Panel2), 10, 8, 16, 16);
    widthIcon->setPixmap(widthGlyph());
    widthIcon->setToolTip("Width");
    Edit1 = place(new QLineEdit("320", Panel2), 32, 4, 55, 21);
    ComboBox3 = place(dropDownList(Panel2, {"Pixels", "Inches", "Cm"}), 102, 4, 57, 21);
    auto* heightIcon = place(new QLabel(Panel2), 10, 34, 16, 16);
    heightIcon->setPixmap(heightGlyph());
    heightIcon->setToolTip("Height");
    Edit2 = place(new QLineEdit("240", Panel2), 32, 31, 55, 21);
    SpeedButton56 = place(new QToolButton(Panel2), 102, 31, 57, 21);
    SpeedButton56->setIcon(orientationGlyph());
    SpeedButton56->setIconSize({28, 16});
    SpeedButton56->setToolTip("Toggles between Landscape and Portrait");
}

void TNewImageForm::buildResolutionGroup() {
    auto* group = place(new QGroupBox("Resolution", this), 8, 272, 273, 41);
    Edit3 = place(new QLineEdit("72", group), 104, 12, 41, 21);
    ComboBox4 = place(dropDownList(group, {"Pixels/Inch", "Pixels/Cm"}), 166, 12, 99, 21);
}

void TNewImageForm::buildPreviewGroup() {
    auto* group = place(new QGroupBox("Preview", this), 292, 8, 241, 305);
    placeLabel("Screen (pixels)", group, 64, 32);
    QStringList screenNames;
    for (const char* name : kScreenSizeNames) screenNames << name;
    ComboBox5 = place(dropDownList(group, screenNames), 64, 48, 105, 21);
    ComboBox5->setCurrentIndex(2);

    auto* screen = place(new QFrame(group), 27, 88, 188, 148);
    screen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    screen->setAutoFillBackground(true);
    QPalette silver = screen->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    screen->setPalette(silver);
    Image3 = place(new QLabel(screen), 14, 14, kPreviewBoxWidth, kPreviewBoxHeight);
    Image3->setAlignment(Qt::AlignCenter);
    auto* stand = place(new QLabel(group), 71, 236, 100, 20);
    stand->setPixmap(screenStandGlyph());

    // Wider than the 117 pixels it was drawn for, about the same centre.
    Label6 = place(new QLabel("Exceeds screen size", group), 18, 272, 201, 17);
    Label6->setAlignment(Qt::AlignHCenter);
    Label6->hide();
}

void TNewImageForm::buildLabelsAndButtons() {
    placeLabel("Image size:", this, 16, 328);
    Label5 = place(new QLabel("320 x 240 Pixels", this), 96, 328, 180, 17);
    placeLabel("File size:", this, 16, 352);
    Label2 = place(new QLabel("225 kB", this), 96, 352, 180, 17);
    sizeProblemLabel = place(new QLabel(this), 16, 376, 330, 17);
    sizeProblemLabel->setStyleSheet("color: #c00000");
    sizeProblemLabel->setWordWrap(true);
    BitBtn1 = place(new QPushButton("OK", this), 354, 370, 80, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = place(new QPushButton("Cancel", this), 450, 370, 80, 25);
}

void TNewImageForm::connectHandlers() {
    const auto onCheck = [this](QRadioButton* button, void (TNewImageForm::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) (this->*handler)();
        });
    };
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TNewImageForm::ComboBox2Change);
    onCheck(RadioButton1, &TNewImageForm::RadioButton1Click);
    onCheck(RadioButton2, &TNewImageForm::RadioButton1Click);
    onCheck(RadioButton3, &TNewImageForm::RadioButton3Click);
    onCheck(RadioButton4, &TNewImageForm::RadioButton4Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TNewImageForm::ComboBox1Change);
    connect(Edit1, &QLineEdit::textChanged, this, &TNewImageForm::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TNewImageForm::Edit2Change);
    connect(SpeedButton56, &QToolButton::clicked, this, &TNewImageForm::SpeedButton56Click);
    connect(Edit3, &QLineEdit::textChanged, this, &TNewImageForm::Edit3Change);
    connect(ComboBox4, &QComboBox::currentIndexChanged, this, &TNewImageForm::ComboBox4Change);
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, &TNewImageForm::ComboBox5Change);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewImageForm::FormCreate() {
    ImageWidth = 320;
    ImageHeight = 240;
    Preview();
}

QColor TNewImageForm::swatchColor() const { return Panel1->palette().color(QPalette::Window); }

void TNewImageForm::setSwatchColor(const QColor& colour) {
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, colour);
    Panel1->setPalette(palette);
}

void TNewImageForm::ComboBox2Change() {
    const bool colour = ComboBox2->currentIndex() == 0;
    RadioButton2->setText(colour ? "Custom color" : "Black");
    Panel1->setVisible(colour);
    Preview();
}

void TNewImageForm::RadioButton1Click() {
    Panel1->setEnabled(RadioButton2->isChecked());
    Preview();
}

void TNewImageForm::Panel1DblClick() {
    if (const auto chosen = chooseColor(swatchColor())) setSwatchColor(*chosen);
    Preview();
}

void TNewImageForm::RadioButton3Click() {
    ComboBox1->setEnabled(true);
    Panel2->setEnabled(false);
    ComboBox1Change();
}

void TNewImageForm::RadioButton4Click() {
    ComboBox1->setEnabled(false);
    Panel2->setEnabled(true);
    const int width = ImageWidth, height = ImageHeight;  // setting the texts recomputes them
    Edit1->setText(QString::number(width));
    Edit2->setText(QString::number(height));
    ComboBox3->setCurrentIndex(0);
    Edit1Change();
}

void TNewImageForm::ComboBox1Change() {
    const PixelSize size = standardSize(ComboBox1->currentIndex(), readNumber(Edit3, 72),
                                        static_cast<ResolutionUnit>(ComboBox4->currentIndex()));
    ImageWidth = size.width;
    ImageHeight = size.height;
    Preview();
}

void TNewImageForm::Edit1Change() {
    const PixelSize size = customSize(readNumber(Edit1, 100), readNumber(Edit2, 100), readNumber(Edit3, 100),
                                      static_cast<LengthUnit>(ComboBox3->currentIndex()),
                                      static_cast<ResolutionUnit>(ComboBox4->currentIndex()));
    ImageWidth = size.width;
    ImageHeight = size.height;
    Preview();
}

void TNewImageForm::SpeedButton56Click() {
    const QString width = Edit1->text();
    Edit1->setText(Edit2->text());
    Edit2->setText(width);
    Edit1Change();
}

void TNewImageForm::Edit3Change() {
    if (RadioButton3->isChecked())
        ComboBox1Change();
    else
        Edit1Change();
}

void TNewImageForm::Preview() {
    const PixelSize size{ImageWidth, ImageHeight};
    Label5->setText(QString::fromStdString(pixelSizeLabel(size)));
    const bool colour = ComboBox2->currentIndex() == 0;
    Label2->setText(QString::fromStdString(fileSizeLabel(size, colour ? 24 : 1)));
    const PixelSize screen = screenSize(ComboBox5->currentIndex());

    QColor fill(Qt::white);
    if (RadioButton2->isChecked()) fill = colour ? swatchColor() : QColor(Qt::black);
    FillColor = {std::uint8_t(fill.red()), std::uint8_t(fill.green()), std::uint8_t(fill.blue())};
    Label6->setVisible(exceedsScreen(size, screen));

    // The box clips anything larger, so nothing beyond it is ever allocated.
    const PixelSize extent = previewExtent(size, screen);
    const int shownWidth = std::clamp(extent.width, 0, kPreviewBoxWidth);
    const int shownHeight = std::clamp(extent.height, 0, kPreviewBoxHeight);
    if (shownWidth > 0 && shownHeight > 0) {
        PreviewBitmap = QImage(shownWidth, shownHeight, QImage::Format_RGB888);
        PreviewBitmap.fill(fill);
        Image3->setPixmap(QPixmap::fromImage(PreviewBitmap));
    } else {
        PreviewBitmap = QImage();
        Image3->clear();
    }

    const auto problem = sizeProblem(size);
    sizeProblemLabel->setText(problem ? QString::fromStdString(*problem) : QString());
    BitBtn1->setEnabled(!problem);
}

}  // namespace qm

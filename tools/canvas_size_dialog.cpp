#include "tools/canvas_size_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "tools/read_only_edit.h"
#include "widgets/color_button.h"

namespace qm {

namespace {

QSpinBox* sideSpin(QWidget* parent, const char* name) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(kMinCanvasSide, kMaxCanvasSide);
    return spin;
}

}  // namespace

TfCanvasSize::TfCanvasSize(const Image& source, QWidget* parent) : ActivationDialog(parent), sourceCopy_(source) {
    setObjectName("fCanvasSize");
    setWindowTitle("Canvas Size");
    setFixedSize(337, 387);

    Image201 = new QLabel(this);
    Image201->setObjectName("Image201");
    Image201->setFixedSize(kPreviewBoxWidth, kPreviewBoxHeight);
    Image201->setAlignment(Qt::AlignCenter);

    ComboBox202 = new QComboBox(this);
    ComboBox202->setObjectName("ComboBox202");
    ComboBox202->addItems({" Top Left", " Top Center", " Top Right", " Center Left", " Centered", " Center Right",
                           " Bottom Left", " Bottom Center", " Bottom Right"});
    ComboBox202->setMaxVisibleItems(9);
    CanvasColor = new ColorButton(this);
    CanvasColor->setObjectName("CanvasColor");
    CanvasColor->setToolTip("Canvas color");
    auto* placement = new QGridLayout;
    placement->addWidget(new QLabel("Placement:", this), 0, 0);
    placement->addWidget(ComboBox202, 0, 1);
    placement->addWidget(new QLabel("Canvas Color:", this), 1, 0);
    placement->addWidget(CanvasColor, 1, 1, Qt::AlignLeft);
    placement->setColumnStretch(2, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* sizes = new QGridLayout;
    auto* current = new QLabel("Current", this);
    current->setToolTip("Old value");
    sizes->addWidget(current, 0, 1, Qt::AlignRight);
    sizes->addWidget(new QLabel("New", this), 0, 2, Qt::AlignHCenter);
    Edit201 = readOnlyEdit(this, "Edit201");
    Edit202 = readOnlyEdit(this, "Edit202");
    SpinEdit201 = sideSpin(this, "SpinEdit201");
    SpinEdit202 = sideSpin(this, "SpinEdit202");
    sizes->addWidget(new QLabel("Width:", this), 1, 0);
    sizes->addWidget(Edit201, 1, 1);
    sizes->addWidget(SpinEdit201, 1, 2);
    sizes->addWidget(new QLabel("Height:", this), 2, 0);
    sizes->addWidget(Edit202, 2, 1);
    sizes->addWidget(SpinEdit202, 2, 2);
    CheckBox201 = new QCheckBox("Maintain aspect ratio", this);
    CheckBox201->setObjectName("CheckBox201");
    CheckBox201->setChecked(true);
    sizes->addWidget(CheckBox201, 3, 0, 1, 3);

    btReset = new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload), "Reset", this);
    btReset->setObjectName("btReset");
    JvXPButton1 = new QPushButton("OK", this);
    JvXPButton1->setObjectName("JvXPButton1");
    JvXPButton1->setDefault(true);
    JvXPButton2 = new QPushButton("Cancel", this);
    JvXPButton2->setObjectName("JvXPButton2");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btReset);
    buttons->addStretch();
    buttons->addWidget(JvXPButton1);
    buttons->addWidget(JvXPButton2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Image201, 0, Qt::AlignHCenter);
    layout->addLayout(placement);
    layout->addWidget(line);
    layout->addLayout(sizes);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(btReset, &QPushButton::clicked, this, [this] { btResetClick(); });
    // Both buttons refresh the preview before they close the dialog.
    connect(JvXPButton1, &QPushButton::clicked, this, [this] { Preview(); accept(); });
    connect(JvXPButton2, &QPushButton::clicked, this, [this] { Preview(); reject(); });
    connect(ComboBox202, &QComboBox::currentIndexChanged, this, [this] { Preview(); });
    connect(CanvasColor, &ColorButton::choiceChanged, this, [this] { Preview(); });
    // A spin box reports only real changes, so the aspect-ratio exchange
    // between the two ends when a side is set to what it shows.
    connect(SpinEdit201, &QSpinBox::valueChanged, this, [this] { SpinEdit201Change(); });
    connect(SpinEdit202, &QSpinBox::valueChanged, this, [this] { SpinEdit202Change(); });
    FormActivate();
}

void TfCanvasSize::btResetClick() {
    SpinEdit201->setValue(sourceCopy_.width());
    SpinEdit202->setValue(sourceCopy_.height());
    setEditText(Edit201, QString::number(sourceCopy_.width()));
    setEditText(Edit202, QString::number(sourceCopy_.height()));
    CanvasColor->setChoice(ColorChoice::of({255, 255, 255}));
    ComboBox202->setCurrentIndex(int(CanvasAnchor::Center));
    Preview();
}

void TfCanvasSize::SpinEdit201Change() {
    if (CheckBox201->isChecked())
        SpinEdit202->setValue(canvasAspectSide(SpinEdit201->value(), sourceCopy_.width(), sourceCopy_.height()));
    Preview();
}

void TfCanvasSize::SpinEdit202Change() {
    if (CheckBox201->isChecked())
        SpinEdit201->setValue(canvasAspectSide(SpinEdit202->value(), sourceCopy_.height(), sourceCopy_.width()));
    Preview();
}

CanvasAnchor TfCanvasSize::anchor() const { return CanvasAnchor(std::max(ComboBox202->currentIndex(), 0)); }
Rgb TfCanvasSize::canvasColour() const { return CanvasColor->choice().resolved(); }

void TfCanvasSize::Preview() {
    resultCanvas_ = placeOnCanvas(sourceCopy_, SpinEdit201->value(), SpinEdit202->value(), anchor(), canvasColour());
    const PreviewSize size = previewSize(resultCanvas_.width(), resultCanvas_.height());
    if (size.width <= 0 || size.height <= 0) {
        Image201->clear();
        return;
    }
    QImage shown(size.width, size.height, QImage::Format_RGB888);
    shown.fill(Qt::black);
    if (size.width > 2 && size.height > 2) {
        const QImage canvas(reinterpret_cast<const uchar*>(resultCanvas_.data()), resultCanvas_.width(),
                            resultCanvas_.height(), resultCanvas_.width() * 3, QImage::Format_RGB888);
        QPainter painter(&shown);
        painter.drawImage(QRect(1, 1, size.width - 2, size.height - 2), canvas);
    }
    Image201->setPixmap(QPixmap::fromImage(shown));
}

}  // namespace qm

#include "documents/print_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/prompts.h"
#include "documents/print_setup.h"

namespace qm {
namespace {

QDoubleSpinBox* millimetres(double maximum) {
    auto* box = new QDoubleSpinBox;
    box->setRange(0, maximum);
    box->setDecimals(1);
    box->setSuffix(" mm");
    return box;
}

QComboBox* alignmentBox(const QStringList& names) {
    auto* box = new QComboBox;
    box->addItems(names);
    return box;
}

}  // namespace

PrintPictureDialog::PrintPictureDialog(QImage picture, QPrinter& printer, Prompts& prompts, QWidget* parent)
    : QDialog(parent), picture_(std::move(picture)), printer_(printer), prompts_(prompts) {
    setWindowTitle(QString());
    // Margins are ours, measured from the paper's edge.
    printer_.setFullPage(true);
    preview = new QPrintPreviewWidget(&printer_, this);
    preview->setMinimumSize(420, 500);
    connect(preview, &QPrintPreviewWidget::paintRequested, this, &PrintPictureDialog::paintPage);

    auto* buttons = new QDialogButtonBox;
    auto* print = buttons->addButton("Print", QDialogButtonBox::AcceptRole);
    print->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    connect(print, &QPushButton::clicked, this, &PrintPictureDialog::printPicture);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(preview, 1);
    top->addWidget(buildSettings());
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(buttons);

    layout_.customHeight = proportionalHeight(picture_.width(), picture_.height(), layout_.customWidth);
    showSettings();
    showPrinterName();
}

QWidget* PrintPictureDialog::buildSettings() {
    auto* settings = new QWidget;
    auto* column = new QVBoxLayout(settings);
    column->setContentsMargins(0, 0, 0, 0);
    auto* printerRow = new QHBoxLayout;
    printerName = new QLabel;
    auto* setup = new QPushButton("Printer Setup...");
    connect(setup, &QPushButton::clicked, this, &PrintPictureDialog::printerSetup);
    printerRow->addWidget(printerName, 1);
    printerRow->addWidget(setup);
    column->addLayout(printerRow);
    column->addWidget(buildMarginsGroup());
    column->addWidget(buildPositionGroup());
    column->addWidget(buildSizeGroup());
    column->addStretch(1);
    return settings;
}

QWidget* PrintPictureDialog::buildMarginsGroup() {
    auto* group = new QGroupBox("Margins");
    auto* form = new QFormLayout(group);
    marginLeft = millimetres(1000);
    marginTop = millimetres(1000);
    marginRight = millimetres(1000);
    marginBottom = millimetres(1000);
    form->addRow("Left:", marginLeft);
    form->addRow("Top:", marginTop);
    form->addRow("Right:", marginRight);
    form->addRow("Bottom:", marginBottom);
    for (auto* box : {marginLeft, marginTop, marginRight, marginBottom})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PrintPictureDialog::readSettings);
    return group;
}

QWidget* PrintPictureDialog::buildPositionGroup() {
    auto* group = new QGroupBox("Position on the page");
    auto* form = new QFormLayout(group);
    horizontalPosition = alignmentBox({"Left", "Center", "Right"});
    verticalPosition = alignmentBox({"Top", "Center", "Bottom"});
    form->addRow("Horizontal:", horizontalPosition);
    form->addRow("Vertical:", verticalPosition);
    for (auto* box : {horizontalPosition, verticalPosition})
        connect(box, &QComboBox::currentIndexChanged, this, &PrintPictureDialog::readSettings);
    return group;
}

QWidget* PrintPictureDialog::buildSizeGroup() {
    auto* group = new QGroupBox("Size on the page");
    auto* form = new QFormLayout(group);
    fitToPage = new QRadioButton("Fit to page");
    originalSize = new QRadioButton("Original size at");
    customSize = new QRadioButton("Custom size");
    pixelsPerInch = new QDoubleSpinBox;
    pixelsPerInch->setRange(1, 10000);
    pixelsPerInch->setDecimals(0);
    pixelsPerInch->setSuffix(" pixels/inch");
    customWidth = millimetres(10000);
    customHeight = millimetres(10000);
    keepProportions = new QCheckBox("Keep proportions");
    keepProportions->setChecked(true);
    form->addRow(fitToPage);
    form->addRow(originalSize, pixelsPerInch);
    form->addRow(customSize);
    form->addRow("Width:", customWidth);
    form->addRow("Height:", customHeight);
    form->addRow(keepProportions);
    for (auto* button : {fitToPage, originalSize, customSize})
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) readSettings();
        });
    connect(pixelsPerInch, &QDoubleSpinBox::valueChanged, this, &PrintPictureDialog::readSettings);
    connect(customWidth, &QDoubleSpinBox::valueChanged, this, &PrintPictureDialog::customWidthChanged);
    connect(customHeight, &QDoubleSpinBox::valueChanged, this, &PrintPictureDialog::readSettings);
    return group;
}

void PrintPictureDialog::setPrintLayout(const PrintLayout& layout) {
    layout_ = layout;
    showSettings();
}

void PrintPictureDialog::showSettings() {
    showingSettings_ = true;
    marginLeft->setValue(layout_.marginLeft);
    marginTop->setValue(layout_.marginTop);
    marginRight->setValue(layout_.marginRight);
    marginBottom->setValue(layout_.marginBottom);
    horizontalPosition->setCurrentIndex(int(layout_.horizontal));
    verticalPosition->setCurrentIndex(int(layout_.vertical));
    fitToPage->setChecked(layout_.size == PrintSize::FitToPage);
    originalSize->setChecked(layout_.size == PrintSize::OriginalSize);
    customSize->setChecked(layout_.size == PrintSize::Custom);
    pixelsPerInch->setValue(layout_.pixelsPerInch);
    customWidth->setValue(layout_.customWidth);
    customHeight->setValue(layout_.customHeight);
    showingSettings_ = false;
    readSettings();
}

void PrintPictureDialog::readSettings() {
    if (showingSettings_) return;
    layout_.marginLeft = marginLeft->value();
    layout_.marginTop = marginTop->value();
    layout_.marginRight = marginRight->value();
    layout_.marginBottom = marginBottom->value();
    layout_.horizontal = PrintAlignment(horizontalPosition->currentIndex());
    layout_.vertical = PrintAlignment(verticalPosition->currentIndex());
    layout_.size = fitToPage->isChecked()      ? PrintSize::FitToPage
                   : originalSize->isChecked() ? PrintSize::OriginalSize
                                               : PrintSize::Custom;
    layout_.pixelsPerInch = pixelsPerInch->value();
    layout_.customWidth = customWidth->value();
    layout_.customHeight = customHeight->value();
    pixelsPerInch->setEnabled(layout_.size == PrintSize::OriginalSize);
    for (QWidget* widget : {static_cast<QWidget*>(customWidth), static_cast<QWidget*>(customHeight),
                            static_cast<QWidget*>(keepProportions)})
        widget->setEnabled(layout_.size == PrintSize::Custom);
    preview->updatePreview();
}

void PrintPictureDialog::customWidthChanged() {
    if (!showingSettings_ && keepProportions->isChecked()) {
        const QSignalBlocker blocker(customHeight);
        customHeight->setValue(proportionalHeight(picture_.width(), picture_.height(), customWidth->value()));
    }
    readSettings();
}

void PrintPictureDialog::printerSetup() {
    showPrintSetup(this, prompts_, printer_);
    printer_.setFullPage(true);
    showPrinterName();
    preview->updatePreview();
}

void PrintPictureDialog::showPrinterName() {
    const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
    printerName->setText(toFile ? QString("Printer: PDF file") : "Printer: " + printer_.printerName());
}

void PrintPictureDialog::printPicture() {
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty()) {
        codecs::SaveOptions unused;
        const auto path = prompts_.saveFile(this, "picture.pdf", "PDF files (*.pdf)", unused);
        if (!path) return;
        printer_.setOutputFileName(*path);
        paintPage(&printer_);
        printer_.setOutputFileName(QString());  // ask again next time
    } else {
        paintPage(&printer_);
    }
    accept();
}

void PrintPictureDialog::paintPage(QPrinter* printer) {
    QPainter painter;
    if (!painter.begin(printer)) {
        prompts_.error(this, "The printer could not be started");
        return;
    }
    const QRectF paper = printer->pageLayout().fullRect(QPageLayout::Millimeter);
    const PageRect place =
        placePicture(picture_.width(), picture_.height(), paper.width(), paper.height(), layout_);
    const double dotsPerMillimetre = printer->resolution() / 25.4;
    const QRectF target(place.x * dotsPerMillimetre, place.y * dotsPerMillimetre, place.width * dotsPerMillimetre,
                        place.height * dotsPerMillimetre);
    if (!target.isEmpty()) painter.drawImage(target, picture_);
}

}  // namespace qm

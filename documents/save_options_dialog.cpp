#include "documents/save_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qm {

namespace {

using codecs::BmpFlavour;
using codecs::TiffCompression;

bool isOneOf(const QString& extension, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (extension == QLatin1String(name)) return true;
    return false;
}

}  // namespace

SaveOptionsDialog::SaveOptionsDialog(QWidget* parent, const QString& extension, codecs::SaveOptions& options)
    : QDialog(parent), options_(options), edited_(options) {
    const QString kind = extension.toLower();
    setWindowTitle(QString("Options for %1 files").arg(kind.toUpper()));
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);

    if (isOneOf(kind, {"jpg", "jpeg", "jpe"})) {
        auto* quality = new QSpinBox(this);
        quality->setRange(1, 100);
        quality->setValue(edited_.jpegQuality);
        connect(quality, &QSpinBox::valueChanged, this, [this](int v) { edited_.jpegQuality = v; });
        form->addRow("Quality:", quality);
        auto* progressive = new QCheckBox("Progressive", this);
        progressive->setChecked(edited_.jpegProgressive);
        connect(progressive, &QCheckBox::toggled, this, [this](bool on) { edited_.jpegProgressive = on; });
        form->addRow(progressive);
    } else if (kind == "png") {
        auto* level = new QSpinBox(this);
        level->setRange(0, 9);
        level->setValue(edited_.pngCompression);
        connect(level, &QSpinBox::valueChanged, this, [this](int v) { edited_.pngCompression = v; });
        form->addRow("Compression level:", level);
    } else if (isOneOf(kind, {"tif", "tiff"})) {
        auto* compression = new QComboBox(this);
        const std::pair<const char*, TiffCompression> choices[] = {
            {"None", TiffCompression::None},          {"LZW", TiffCompression::Lzw},
            {"Deflate", TiffCompression::Deflate},    {"PackBits", TiffCompression::PackBits},
            {"JPEG", TiffCompression::Jpeg},          {"CCITT Group 3 (black and white)", TiffCompression::FaxG3},
            {"CCITT Group 4 (black and white)", TiffCompression::FaxG4}};
        for (const auto& [name, value] : choices) {
            compression->addItem(name, static_cast<int>(value));
            if (value == edited_.tiffCompression) compression->setCurrentIndex(compression->count() - 1);
        }
        connect(compression, &QComboBox::currentIndexChanged, this, [this, compression](int) {
            edited_.tiffCompression = static_cast<TiffCompression>(compression->currentData().toInt());
        });
        form->addRow("Compression:", compression);
    } else if (kind == "bmp") {
        auto* flavour = new QComboBox(this);
        flavour->addItems({"Windows", "OS/2"});
        flavour->setCurrentIndex(edited_.bmpFlavour == BmpFlavour::Os2 ? 1 : 0);
        connect(flavour, &QComboBox::currentIndexChanged, this,
                [this](int i) { edited_.bmpFlavour = i == 1 ? BmpFlavour::Os2 : BmpFlavour::Windows; });
        form->addRow("Kind:", flavour);
    } else if (kind == "tga") {
        auto* rle = new QCheckBox("Run-length compression", this);
        rle->setChecked(edited_.tgaRle);
        connect(rle, &QCheckBox::toggled, this, [this](bool on) { edited_.tgaRle = on; });
        form->addRow(rle);
    } else if (isOneOf(kind, {"pxm", "ppm", "pgm", "pbm"})) {
        auto* ascii = new QCheckBox("Plain text (ASCII)", this);
        ascii->setChecked(edited_.pnmAscii);
        connect(ascii, &QCheckBox::toggled, this, [this](bool on) { edited_.pnmAscii = on; });
        form->addRow(ascii);
    } else if (isOneOf(kind, {"jp2", "j2k", "jpc", "j2c"})) {
        auto* rate = new QDoubleSpinBox(this);
        rate->setRange(0, 500);
        rate->setDecimals(1);
        rate->setValue(edited_.jpeg2000Rate);
        rate->setSpecialValueText("Lossless");
        connect(rate, &QDoubleSpinBox::valueChanged, this, [this](double v) { edited_.jpeg2000Rate = v; });
        form->addRow("Compression ratio:", rate);
    } else {
        form->addRow(new QLabel("This kind of file has no options.", this));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

void SaveOptionsDialog::accept() {
    options_ = edited_;
    QDialog::accept();
}

}  // namespace qm

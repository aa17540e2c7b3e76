#include "documents/save_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

#include "documents/save_options_dialog.h"

namespace qm {

namespace {

constexpr int kPreviewSide = 180;

QString extensionOfFilter(const QString& filter) {
    const QRegularExpressionMatch match = QRegularExpression(R"(\*\.(\w+)\)?$)").match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// A small copy of the picture, sampled straight from it so a large picture
// costs no more than a small one.
QImage thumbnail(const Image& picture) {
    if (picture.empty()) return {};
    const double scale = std::min(1.0, double(kPreviewSide) / std::max(picture.width(), picture.height()));
    const int width = std::max(1, int(picture.width() * scale)), height = std::max(1, int(picture.height() * scale));
    QImage small(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const Rgb* row = picture.row(std::min(picture.height() - 1, int((y + 0.5) / scale)));
        auto* line = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const Rgb& p = row[std::min(picture.width() - 1, int((x + 0.5) / scale))];
            line[x] = qRgb(p.r, p.g, p.b);
        }
    }
    return small;
}

}  // namespace

SaveDialog::SaveDialog(QWidget* parent, const QString& proposed, const QStringList& filters,
                       codecs::SaveOptions& options)
    : QFileDialog(parent), options_(options) {
    setObjectName("SaveImageEnDialog1");
    setWindowTitle("Save as");
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(filters);
    if (!filters.isEmpty()) selectNameFilter(filters.first());
    selectFile(proposed);

    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    preview_ = new QLabel(side);
    preview_->setObjectName("preview");
    preview_->setAccessibleName("Preview");
    preview_->setFixedSize(kPreviewSide + 8, kPreviewSide + 8);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* advanced = new QPushButton("Advanced...", side);
    advanced->setObjectName("advanced");
    advanced->setAccessibleName(advanced->text());
    connect(advanced, &QPushButton::clicked, this, &SaveDialog::showAdvancedOptions);
    column->addWidget(preview_);
    column->addWidget(advanced);
    column->addStretch(1);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(side, 0, grid->columnCount(), grid->rowCount(), 1);
}

void SaveDialog::setPreview(const Image& picture) { preview_->setPixmap(QPixmap::fromImage(thumbnail(picture))); }

QString SaveDialog::chosenPath() const { return selectedFiles().value(0); }

QString SaveDialog::currentExtension() const {
    const auto* name = findChild<QLineEdit*>("fileNameEdit");
    const QString typed = name ? name->text() : QString();
    const int dot = typed.lastIndexOf('.');
    if (dot > 0 && dot + 1 < typed.size() && !typed.mid(dot).contains('/')) return typed.mid(dot + 1).toLower();
    return extensionOfFilter(selectedNameFilter());
}

void SaveDialog::accept() {
    setDefaultSuffix(extensionOfFilter(selectedNameFilter()));
    QFileDialog::accept();
}

void SaveDialog::showAdvancedOptions() {
    SaveOptionsDialog options(this, currentExtension(), options_);
    options.exec();
}

}  // namespace qm

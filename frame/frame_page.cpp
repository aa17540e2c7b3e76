#include "frame/frame_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/main_window.h"
#include "app/prompts.h"
#include "codecs/registry.h"
#include "core/collection.h"
#include "frame/frame_styles.h"
#include "widgets/picture_file_filter.h"
#include "widgets/thumbnail_strip.h"

namespace qm {

namespace {

constexpr int kEditHeight = 21;

}  // namespace

FramePage::FramePage(std::filesystem::path dataDir, QWidget* parent)
    : QWidget(parent), dataDir_(std::move(dataDir)) {
    buildLayout();
    connect(FrameComboBox, &QComboBox::currentIndexChanged, this, [this] { FrameComboBoxChange(); });
    connect(FrameMView, &ThumbnailStrip::imageSelected, this, &FramePage::FrameMViewImageSelect);
    connect(btBackFileName, &QPushButton::clicked, this, &FramePage::btBackFileNameClick);
}

FramePage::~FramePage() = default;

void FramePage::buildLayout() {
    patternGroup = new QGroupBox(" Pattern ", this);
    patternGroup->setGeometry(8, 5, 249, 275);

    RadioButton4 = new QRadioButton("basic collection", patternGroup);
    RadioButton4->setObjectName("RadioButton4");
    RadioButton4->setGeometry(10, 16, 120, 17);
    RadioButton4->setChecked(true);
    styleLabel = new QLabel("Style:", patternGroup);
    styleLabel->move(110, 34);
    styleLabel->adjustSize();
    FrameComboBox = new QComboBox(patternGroup);
    FrameComboBox->setObjectName("FrameComboBox");
    FrameComboBox->setGeometry(147, 30, 89, kEditHeight);
    for (const auto& style : kFrameStyles) FrameComboBox->addItem(style.caption);
    FrameComboBox->setCurrentIndex(kStartFrameStyle);

    FrameMViewPanel = new QFrame(patternGroup);
    FrameMViewPanel->setGeometry(12, 55, 225, 161);
    FrameMViewPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* panelLayout = new QVBoxLayout(FrameMViewPanel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    FrameMView = new ThumbnailStrip(FrameMViewPanel);
    FrameMView->setObjectName("FrameMView");
    FrameMView->setThumbnailSize({100, 135});
    FrameMView->centreNarrowPictures();
    panelLayout->addWidget(FrameMView);

    RadioButton3 = new QRadioButton("file:", patternGroup);
    RadioButton3->setObjectName("RadioButton3");
    RadioButton3->setGeometry(10, 224, 60, 17);
    BackFileName = new QLineEdit(patternGroup);
    BackFileName->setObjectName("BackFileName");
    BackFileName->setGeometry(24, 245, 185, kEditHeight);
    btBackFileName = new QPushButton("...", patternGroup);
    btBackFileName->setObjectName("btBackFileName");
    btBackFileName->setGeometry(216, 245, 23, kEditHeight);
    QFont bold = btBackFileName->font();
    bold.setBold(true);
    bold.setPixelSize(19);
    btBackFileName->setFont(bold);

    CheckBox1 = new QCheckBox("Rotate 180\u00b0", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(8, 286, 120, 17);

    widthGroup = new QGroupBox("Frame width (pixels) ", this);
    widthGroup->setGeometry(8, 312, 110, 80);
    RadioButton1 = new QRadioButton("original", widthGroup);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->setGeometry(10, 22, 62, 17);
    RadioButton1->setChecked(true);
    OriginalWidth = new QLineEdit("10", widthGroup);
    OriginalWidth->setObjectName("OriginalWidth");
    OriginalWidth->setGeometry(72, 20, 28, kEditHeight);
    OriginalWidth->setReadOnly(true);
    QPalette face = OriginalWidth->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    OriginalWidth->setPalette(face);
    RadioButton2 = new QRadioButton("custom", widthGroup);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->setGeometry(10, 50, 62, 17);
    CustomWidth = new QLineEdit("10", widthGroup);
    CustomWidth->setObjectName("CustomWidth");
    CustomWidth->setGeometry(72, 48, 28, kEditHeight);

    positionGroup = new QGroupBox(" Frame position ", this);
    positionGroup->setGeometry(125, 312, 137, 80);
    RadioButtonFrameInsideImage = new QRadioButton("Frame inside image", positionGroup);
    RadioButtonFrameInsideImage->setObjectName("RadioButtonFrameInsideImage");
    RadioButtonFrameInsideImage->setGeometry(10, 22, 125, 17);
    RadioButtonFrameInsideImage->setChecked(true);
    RadioButtonFrameOutsideImage = new QRadioButton("Frame outside image", positionGroup);
    RadioButtonFrameOutsideImage->setObjectName("RadioButtonFrameOutsideImage");
    RadioButtonFrameOutsideImage->setGeometry(10, 50, 125, 17);

    // The two small groups were laid out for a narrow 8-point face; a
    // condensed face keeps their captions whole with the usual fonts.
    for (QWidget* group : {static_cast<QWidget*>(widthGroup), static_cast<QWidget*>(positionGroup)}) {
        QFont condensed = group->font();
        condensed.setStretch(QFont::Condensed);
        group->setFont(condensed);
    }
}

void FramePage::FrameComboBoxChange() {
    const int index = std::clamp(FrameComboBox->currentIndex(), 0, int(kFrameStyles.size()) - 1);
    FramePatternFiles = listCollection(frameStyleFolder(dataDir_, kFrameStyles[std::size_t(index)]));
    FrameMView->setFiles(FramePatternFiles);
    // Selecting entry 0 is the program's doing and shows no thickness, but
    // the window opens showing the thickness of its first pattern.
    if (!filledOnce_) {
        filledOnce_ = true;
        if (!FramePatternFiles.empty()) showThicknessOf(FramePatternFiles.front());
    }
}

void FramePage::FrameMViewImageSelect(int idx) {
    if (idx < 0 || idx >= int(FramePatternFiles.size())) return;
    showThicknessOf(FramePatternFiles[std::size_t(idx)]);
}

void FramePage::btBackFileNameClick() {
    const auto path = prompts().openFile(this, readablePictureFilter());
    if (!path) return;
    BackFileName->setText(*path);
    BackFileName->setToolTip(*path);
    showThicknessOf(std::filesystem::path(path->toStdString()));
}

void FramePage::showThicknessOf(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return;
    try {
        const QString height = QString::number(codecs::readImage(file).height());
        OriginalWidth->setText(height);
        CustomWidth->setText(height);
    } catch (const std::exception&) {
        // Apply says what is wrong with the file; the boxes keep their numbers.
    }
}

std::optional<FramePage::PatternChoice> FramePage::patternChoice() const {
    if (RadioButton3->isChecked()) return PatternChoice{BackFileName->text().toStdString(), PatternOrigin::UserFile};
    const int index = FrameMView->selectedOrFirst();
    if (index < 0 || index >= int(FramePatternFiles.size())) return std::nullopt;
    return PatternChoice{FramePatternFiles[std::size_t(index)].string(), PatternOrigin::Collection};
}

FrameOptions FramePage::frameOptions() const {
    FrameOptions options;
    options.position = RadioButtonFrameOutsideImage->isChecked() ? FramePosition::Outside : FramePosition::Inside;
    if (RadioButton2->isChecked()) options.customThickness = CustomWidth->text().toStdString();
    options.rotate180 = CheckBox1->isChecked();
    return options;
}

Prompts& FramePage::prompts() {
    if (auto* frame = qobject_cast<TfFrame*>(window())) return frame->prompts();
    if (!ownPrompts_) ownPrompts_ = std::make_unique<Prompts>();
    return *ownPrompts_;
}

}  // namespace qm

#include "mask/mask_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/main_window.h"
#include "app/prompts.h"
#include "codecs/registry.h"
#include "core/collection.h"
#include "widgets/color_button.h"
#include "widgets/picture_file_filter.h"
#include "widgets/thumbnail_strip.h"

namespace qm {

namespace {

constexpr int kEditHeight = 21;

QLabel* label(const QString& text, QWidget* parent, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name, QRect geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// Index into `files` of the strip's selection, entry 0 when none is selected.
std::optional<std::filesystem::path> selectedFile(const ThumbnailStrip& strip,
                                                  const std::vector<std::filesystem::path>& files) {
    const int index = strip.selectedOrFirst();
    if (index < 0 || index >= int(files.size())) return std::nullopt;
    return files[std::size_t(index)];
}

}  // namespace

MaskPage::MaskPage(std::filesystem::path dataDir, QWidget* parent)
    : QWidget(parent), dataDir_(std::move(dataDir)) {
    buildLayout();
    connect(MaskComboBox, &QComboBox::currentIndexChanged, this, [this] { MaskComboBoxChange(); });
    connect(btBackFileName2, &QPushButton::clicked, this, &MaskPage::btBackFileName2Click);
}

MaskPage::~MaskPage() = default;

void MaskPage::buildLayout() {
    styleLabel = label("Style:", this, 8, 12);
    MaskComboBox = named(new QComboBox(this), "MaskComboBox", {56, 8, 201, kEditHeight});
    for (const MaskStyle& style : kMaskStyles) MaskComboBox->addItem(style.caption);

    MaskMViewPanel = named(new QFrame(this), "MaskMViewPanel", {8, 35, 249, 126});
    MaskMViewPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* panelLayout = new QVBoxLayout(MaskMViewPanel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    MaskMView = new ThumbnailStrip(MaskMViewPanel);
    MaskMView->setObjectName("MaskMView");
    MaskMView->setThumbnailSize({100, 100});
    panelLayout->addWidget(MaskMView);

    CheckBox2 = named(new QCheckBox("Invert mask", this), "CheckBox2", {8, 175, 97, 17});
    opacityLabel = label("Opacity:", this, 120, 165);
    TrackBar6 = named(new QSlider(Qt::Horizontal, this), "TrackBar6", {112, 181, 148, 20});
    TrackBar6->setRange(0, 100);
    TrackBar6->setTickInterval(10);
    TrackBar6->setTickPosition(QSlider::TicksBelow);
    TrackBar6->setPageStep(10);
    TrackBar6->setValue(100);

    backgroundGroup = named(new QGroupBox(" Background ", this), "backgroundGroup", {8, 208, 249, 185});
    PageControl2 = named(new QTabWidget(backgroundGroup), "PageControl2", {8, 16, 233, 155});
    // The four page tabs have to fit side by side in the narrow panel.
    PageControl2->setStyleSheet("QTabBar::tab { padding: 4px 6px; }");
    buildBackgroundPages();
}

void MaskPage::buildBackgroundPages() {
    Back_Color = new QWidget;
    BackColor = named(new ColorButton(Back_Color), "BackColor", {23, 40, 170, 23});
    BackColor->setToolTip("Background Color");

    Back_Gradient = new QWidget;
    label("Mode:", Back_Gradient, 20, 20);
    GradientComboBox = named(new QComboBox(Back_Gradient), "GradientComboBox", {64, 16, 137, kEditHeight});
    GradientComboBox->addItems({"vertical", "horizontal"});
    label("Start Color", Back_Gradient, 20, 56);
    StartColor = named(new ColorButton(Back_Gradient), "StartColor", {93, 51, 106, 23});
    StartColor->setChoice(ColorChoice::of({255, 255, 255}));
    label("End Color", Back_Gradient, 20, 86);
    EndColor = named(new ColorButton(Back_Gradient), "EndColor", {93, 82, 106, 23});

    Back_Texture = new QWidget;
    TextureMView = named(new ThumbnailStrip(Back_Texture), "TextureMView", {0, 0, 225, 127});
    TextureMView->setThumbnailSize({105, 105});
    TextureMView->centreNarrowPictures();

    Back_File = new QWidget;
    BackFileName2 = named(new QLineEdit(Back_File), "BackFileName2", {8, 18, 177, kEditHeight});
    btBackFileName2 = named(new QPushButton("...", Back_File), "btBackFileName2", {194, 18, 23, kEditHeight});
    QFont bold = btBackFileName2->font();
    bold.setBold(true);
    bold.setPixelSize(19);
    btBackFileName2->setFont(bold);

    PageControl2->addTab(Back_Color, "Color");
    PageControl2->addTab(Back_Gradient, "Gradient");
    PageControl2->addTab(Back_Texture, "Texture");
    PageControl2->addTab(Back_File, "File");
    PageControl2->setCurrentWidget(Back_Gradient);
}

void MaskPage::MaskComboBoxChange() {
    const int index = std::clamp(MaskComboBox->currentIndex(), 0, int(kMaskStyles.size()) - 1);
    MaskFiles = listCollection(maskStyleFolder(dataDir_, kMaskStyles[std::size_t(index)]));
    MaskMView->setFiles(MaskFiles);
}

void MaskPage::LoadTextureCollection() {
    TextureFiles = listCollection(dataDir_ / "textures");
    TextureMView->setFiles(TextureFiles);
}

void MaskPage::btBackFileName2Click() {
    const auto path = prompts().openFile(this, readablePictureFilter());
    if (!path) return;
    BackFileName2->setText(*path);
    BackFileName2->setToolTip(*path);
}

std::optional<std::filesystem::path> MaskPage::selectedMaskFile() const { return selectedFile(*MaskMView, MaskFiles); }

MaskOptions MaskPage::maskOptions() const {
    MaskOptions options;
    options.opacity = TrackBar6->value();
    options.invertMask = CheckBox2->isChecked();
    const QWidget* page = PageControl2->currentWidget();
    options.background = page == Back_Color     ? MaskBackground::Color
                         : page == Back_Texture ? MaskBackground::Texture
                         : page == Back_File    ? MaskBackground::File
                                                : MaskBackground::Gradient;
    options.backColor = BackColor->choice();
    options.gradient = GradientComboBox->currentIndex() == 1 ? GradientDirection::Horizontal : GradientDirection::Vertical;
    options.startColor = StartColor->choice();
    options.endColor = EndColor->choice();
    options.texture = selectedFile(*TextureMView, TextureFiles);
    options.backgroundFile = BackFileName2->text().toStdString();
    return options;
}

Prompts& MaskPage::prompts() {
    if (auto* frame = qobject_cast<TfFrame*>(window())) return frame->prompts();
    if (!ownPrompts_) ownPrompts_ = std::make_unique<Prompts>();
    return *ownPrompts_;
}

}  // namespace qm

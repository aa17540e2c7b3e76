#include "app/main_window.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "about/about_box.h"
#include "app/picture_view.h"
#include "app/prompts.h"
#include "frame/frame_page.h"
#include "mask/mask_page.h"

namespace qm {

TfFrame::TfFrame(std::filesystem::path dataDir, std::unique_ptr<Prompts> prompts, QWidget* parent)
    : QMainWindow(parent), dataDir_(std::move(dataDir)), prompts_(std::move(prompts)) {
    if (!prompts_) prompts_ = std::make_unique<Prompts>();
    setWindowTitle(kProductCaption);
    resize(800, 600);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    ImageView = new PictureView(document_, central);
    layout->addWidget(ImageView, 1);
    Panel6 = new QWidget(central);
    Panel6->setFixedWidth(276);
    auto* panelLayout = new QVBoxLayout(Panel6);
    PageControl1 = new QTabWidget(Panel6);
    FrameSheet = new FramePage(dataDir_, PageControl1);
    MaskSheet = new MaskPage(dataDir_, PageControl1);
    PageControl1->addTab(FrameSheet, "Frame");
    PageControl1->addTab(MaskSheet, "Mask");
    PageControl1->setCurrentWidget(MaskSheet);
    panelLayout->addWidget(PageControl1);
    btnApply = new QPushButton("Apply", Panel6);
    btnSourceImage = new QPushButton("Reload Image", Panel6);
    panelLayout->addWidget(btnApply);
    panelLayout->addWidget(btnSourceImage);
    layout->addWidget(Panel6);
    setCentralWidget(central);

    StatusBar1 = statusBar();
    for (auto*& panel : statusPanels) {
        panel = new QLabel(StatusBar1);
        StatusBar1->addWidget(panel);
    }
    aboutBox = new AboutBox(this);
    FormCreate();
}

TfFrame::~TfFrame() = default;

void TfFrame::FormCreate() {
    FrameSheet->FrameComboBoxChange();
    MaskSheet->MaskComboBoxChange();
    MaskSheet->LoadTextureCollection();
    UpdateControls();
}

void TfFrame::FormResize() {}
void TfFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfFrame::RefreshStatus() {
    statusPanels[0]->setText(QString::number(static_cast<long long>(document_.zoom())) + "%");
    statusPanels[1]->setText(QString("%1x%2").arg(document_.working().width()).arg(document_.working().height()));
}

void TfFrame::UpdateControls() {}

void TfFrame::setDocumentCaption() {
    setWindowTitle(QString(kProductCaption) + " - [" + QString::fromStdString(document_.currentFileName()) + "]");
}

void TfFrame::repaintView() { ImageView->pictureChanged(); }

void TfFrame::newPictureSequence(Image picture, const std::string& fileName) {
    document_.newPicture(std::move(picture), fileName);
    repaintView();
    RefreshStatus();
    setDocumentCaption();
    UpdateControls();
}

void TfFrame::setSelectionText(const QString& text) { statusPanels[2]->setText(text); }

void TfFrame::Exit1Click() { close(); }
void TfFrame::UndoMenuClick() {}
void TfFrame::btnSourceImageClick() {}
void TfFrame::Zoom(QObject*) {}
void TfFrame::ImageViewMouseMove() {}
void TfFrame::ImageViewMouseUp() {}

}  // namespace qm

#include "app/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
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
    setObjectName("fFrame");
    setWindowTitle(kProductCaption);
    setMinimumHeight(600);
    resize(800, 600);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildToolBar();
    column->addWidget(Panel7);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    ImageView = new PictureView(document_, central);
    ImageView->setObjectName("ImageView");
    ImageView->setAccessibleName("Picture");
    row->addWidget(ImageView, 1);
    buildRightPanel();
    row->addWidget(Panel6);
    column->addLayout(row, 1);
    setCentralWidget(central);
    buildMenus();
    buildStatusBar();
    connectCommands();

    for (const ControlRule& rule : controlRules()) {
        QObject* control = findChild<QObject*>(QString::fromUtf8(rule.control.data(), rule.control.size()));
        Q_ASSERT(control);
        if (control) ruledControls_.emplace_back(rule.when, control);
    }
    aboutBox = new AboutBox(this, [this](const QString& address) { this->prompts().openAddress(this, address); });
    FormCreate();
}

TfFrame::~TfFrame() = default;

void TfFrame::FormCreate() {
    // The grips of the selection are the view's own look (black outline,
    // hollow, 3 pixels, at corners and side middles); see PictureView.
    document_.setCurrentFileName(Document::kUntitled);
    try {
        FrameSheet->FrameComboBoxChange();
        QCoreApplication::processEvents();
        MaskSheet->MaskComboBoxChange();
        QCoreApplication::processEvents();
        MaskSheet->LoadTextureCollection();
        QCoreApplication::processEvents();
    } catch (const std::exception& error) {
        // A broken data folder must not keep the window from opening, nor
        // leave the commands that need a picture enabled.
        prompts().error(this, QString::fromUtf8(error.what()));
    }
    UpdateControls();
    nameUnnamedButtons();
}

void TfFrame::nameUnnamedButtons() {
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (!button->accessibleName().isEmpty()) continue;
        const bool captionSaysNothing = button->text().isEmpty() || button->text() == "...";
        QString name = captionSaysNothing && !button->toolTip().isEmpty() ? button->toolTip() : button->text();
        button->setAccessibleName(name.isEmpty() ? button->objectName() : name);
    }
}

void TfFrame::FormResize() {
    if (height() < 600) resize(width(), 600);
    if (statusPanels[2]) statusPanels[2]->setFixedWidth(std::max(0, width() - 320));
}

void TfFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) drawToolIcons();
}

void TfFrame::setStatusPanel(int index, const QString& text) {
    statusPanels[index]->setText(text);
    statusPanels[index]->setAccessibleName(text);
}

void TfFrame::RefreshStatus() {
    setStatusPanel(0, QString::number(static_cast<long long>(document_.zoom())) + "%");
    setStatusPanel(1, QString("%1x%2").arg(document_.working().width()).arg(document_.working().height()));
}

void TfFrame::UpdateControls() {
    const ControlState state{document_.imageLoaded(), document_.canUndo(), document_.selection().has_value()};
    for (const auto& [when, control] : ruledControls_) control->setProperty("enabled", qm::isEnabled(when, state));
    ImageView->setSelecting(btnCrop->isChecked());
}

void TfFrame::setDocumentCaption() {
    setWindowTitle(QString(kProductCaption) + " - [" + QString::fromStdString(document_.currentFileName()) + "]");
}

void TfFrame::repaintView() { ImageView->pictureChanged(); }

void TfFrame::newPictureSequence(Image picture, const std::string& fileName) {
    document_.newPicture(std::move(picture), fileName);
    repaintView();
    RefreshStatus();
    setSelectionText(QString());
    setDocumentCaption();
    UpdateControls();
}

void TfFrame::setSelectionText(const QString& text) { setStatusPanel(2, text); }

void TfFrame::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        // A command that failed half-way must not leave the hourglass behind.
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        prompts().error(this, QString::fromUtf8(error.what()));
    } catch (...) {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        prompts().error(this, "An unexpected error stopped the command.");
    }
}

void TfFrame::Exit1Click() { close(); }

}  // namespace qm

#pragma once
#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/control_rules.h"
#include "app/document.h"
#include "app/prompts.h"
#include "codecs/save_options.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QWidget;

namespace qm {

class FramePage;
class MaskPage;
class PictureView;
class AboutBox;

// The main window. Its handlers are spread over the subsystem folders, one
// file per menu: app/ holds the shell (layout, status, zoom, undo), and
// documents/, tools/, frame/, mask/ and about/ define the commands they own.
class TfFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kProductCaption = "Quillmount 1.1.1";

    // `prompts` answers every question the window asks; null means real dialogs.
    explicit TfFrame(std::filesystem::path dataDir, std::unique_ptr<Prompts> prompts = nullptr,
                     QWidget* parent = nullptr);
    ~TfFrame() override;

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    Prompts& prompts() { return *prompts_; }
    const std::filesystem::path& dataDir() const { return dataDir_; }
    codecs::SaveOptions& saveOptions() { return saveOptions_; }

    // Shared steps of the commands.
    void RefreshStatus();     // zoom and size panels
    void UpdateControls();    // enabled states and the view's mouse mode
    void setDocumentCaption();
    void repaintView();       // after the working image changed
    // The window side of a picture entering the program: the document takes
    // it, then the view, status, caption and controls follow.
    void newPictureSequence(Image picture, const std::string& fileName);
    void setSelectionText(const QString& text);  // status panel 2
    // Runs one command: an error escaping it is shown in an error box and
    // the program goes on. Every control's signal goes through here.
    void runCommand(const std::function<void()>& command);

    // The reference size the image size and canvas size dialogs read.
    int refWidth = 0, refHeight = 0, refWidth2 = 0, refHeight2 = 0;

    // --- File menu (documents/)
    void New1Click();
    void NewfromClipboard1Click();
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    void SelectSource1Click();
    void Acquire1Click();
    void PrintSetup1Click();
    void Print1Click();
    void Exit1Click();
    // --- Edit menu (app/ and tools/)
    void UndoMenuClick();
    void Flip(QObject* sender);
    void Rotate(QObject* sender);
    void ImageSize();
    void CanvasSize1Click();
    void btnCropClick();
    void CropToSel();
    void Deselect();
    // --- Tools menu (tools/)
    void Border1Click();
    void Shadow1Click();
    // --- Help and Feedback (about/)
    void Webpage1Click();
    void About1Click();
    void Feedback1Click();
    // --- Panel, tool bar and view (app/, frame/, mask/)
    void btnApplyClick();
    void btnSourceImageClick();
    void Zoom(QObject* sender);
    void ImageViewMouseMove();
    void ImageViewMouseUp();

    // Controls, named as the rest of the program refers to them.
    QWidget* Panel7 = nullptr;  // tool bar
    QToolButton *btnNew = nullptr, *btnOpen = nullptr, *btnSave = nullptr, *btnPrint = nullptr,
                *btnUndo = nullptr, *btnZoomOut = nullptr, *btnZoom100 = nullptr, *btnZoomIn = nullptr,
                *btnRotateLeft = nullptr, *btnRotateRight = nullptr, *btnFlipHor = nullptr,
                *btnFlipVert = nullptr, *btnImageSize = nullptr, *btnCrop = nullptr;
    QAction *New1 = nullptr, *NewfromClipboard1 = nullptr, *Open1 = nullptr, *Save1 = nullptr,
            *Saveas1 = nullptr, *SelectSource1 = nullptr, *Acquire1 = nullptr, *PrintSetup1 = nullptr,
            *Print1 = nullptr, *Exit1 = nullptr;
    QAction *UndoMenu = nullptr, *FlipHorizontal = nullptr, *FlipVertical = nullptr,
            *N90Clockwise1 = nullptr, *N90Counterclockwise1 = nullptr, *N1801 = nullptr,
            *ImageSize1 = nullptr, *CanvasSize1 = nullptr, *Crop1 = nullptr, *Croptoselection1 = nullptr,
            *Deselect1 = nullptr;
    QAction *Border1 = nullptr, *Shadow1 = nullptr;
    QAction *Webpage1 = nullptr, *About1 = nullptr, *Feedback1 = nullptr;
    QAction *Pop1crop = nullptr, *Pop1desel = nullptr;
    QMenu* PopupCrop = nullptr;
    QWidget* Panel6 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    FramePage* FrameSheet = nullptr;
    MaskPage* MaskSheet = nullptr;
    QPushButton *btnApply = nullptr, *btnSourceImage = nullptr;
    PictureView* ImageView = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusPanels[4] = {};
    AboutBox* aboutBox = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormResize();
    void buildToolBar();
    void buildMenus();
    void buildRightPanel();
    void buildStatusBar();
    void connectCommands();
    void drawToolIcons();  // again whenever the palette changes
    // Screen readers need a name on every button; the caption, or the hint
    // where the caption says nothing.
    void nameUnnamedButtons();
    void setStatusPanel(int index, const QString& text);
    // Connects a control to a handler through runCommand.
    void bind(QObject* control, void (TfFrame::*handler)());
    void bindSender(QObject* control, void (TfFrame::*handler)(QObject*));
    // The two branches of Apply (frame/ and mask/).
    bool runFrameBranch();  // false: stopped early, skip the common end
    bool runMaskBranch();

    std::filesystem::path dataDir_;
    std::unique_ptr<Prompts> prompts_;
    Document document_;
    codecs::SaveOptions saveOptions_;
    // The controls of the enabling rules, resolved once by name.
    std::vector<std::pair<EnabledWhen, QObject*>> ruledControls_;
};

}  // namespace qm

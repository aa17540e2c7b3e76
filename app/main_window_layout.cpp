// The tool bar, the right-hand panel and the status bar.
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "app/main_window.h"
#include "about/web_links.h"
#include "app/tool_icons.h"
#include "frame/frame_page.h"
#include "mask/mask_page.h"

namespace qm {

namespace {

// A tool button that shows a down state but leaves flipping it to its
// handler, which toggles it on purpose (the menu entry does the same).
class ToggleToolButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void nextCheckState() override {}
};

struct ToolSlot {
    QToolButton* TfFrame::*button;
    const char* name;
    int x;
    const char* hint;
    ToolGlyph glyph;
};

// Buttons of one group stand 2 pixels apart, groups 10 pixels apart.
const ToolSlot kToolBar[] = {
    {&TfFrame::btnNew, "btnNew", 4, "New", ToolGlyph::New},
    {&TfFrame::btnOpen, "btnOpen", 46, "Open", ToolGlyph::Open},
    {&TfFrame::btnSave, "btnSave", 88, "Save", ToolGlyph::Save},
    {&TfFrame::btnPrint, "btnPrint", 130, "Print", ToolGlyph::Print},
    {&TfFrame::btnUndo, "btnUndo", 180, "Undo", ToolGlyph::Undo},
    {&TfFrame::btnZoomOut, "btnZoomOut", 230, "Zoom Out", ToolGlyph::ZoomOut},
    {&TfFrame::btnZoom100, "btnZoom100", 272, "Actual Size", ToolGlyph::ZoomActual},
    {&TfFrame::btnZoomIn, "btnZoomIn", 314, "Zoom In", ToolGlyph::ZoomIn},
    {&TfFrame::btnRotateLeft, "btnRotateLeft", 364, "Rotate Left ( 90\u00b0 Counterclockwise )", ToolGlyph::RotateLeft},
    {&TfFrame::btnRotateRight, "btnRotateRight", 406, "Rotate Right ( 90\u00b0 Clockwise )", ToolGlyph::RotateRight},
    {&TfFrame::btnFlipHor, "btnFlipHor", 456, "Flip Horizontal", ToolGlyph::FlipHorizontal},
    {&TfFrame::btnFlipVert, "btnFlipVert", 498, "Flip Vertical", ToolGlyph::FlipVertical},
    {&TfFrame::btnImageSize, "btnImageSize", 548, "Change Image Size", ToolGlyph::ImageSize},
    {&TfFrame::btnCrop, "btnCrop", 598, "Crop", ToolGlyph::Crop},
};

constexpr int kToolIconSize = 26;

}  // namespace

void TfFrame::buildToolBar() {
    Panel7 = new QWidget(this);
    Panel7->setObjectName("Panel7");
    Panel7->setAccessibleName("Tool bar");
    Panel7->setFixedHeight(48);
    for (const ToolSlot& slot : kToolBar) {
        const bool toggles = slot.button == &TfFrame::btnCrop;
        QToolButton* button = toggles ? new ToggleToolButton(Panel7) : new QToolButton(Panel7);
        button->setObjectName(slot.name);
        button->setToolTip(QString::fromUtf8(slot.hint));
        button->setAccessibleName(QString::fromUtf8(slot.hint));
        button->setAutoRaise(true);
        button->setCheckable(toggles);
        button->setGeometry(slot.x, 4, 40, 40);
        button->setIconSize(QSize(kToolIconSize, kToolIconSize));
        button->setFocusPolicy(Qt::TabFocus);
        this->*slot.button = button;
    }
    drawToolIcons();
}

void TfFrame::drawToolIcons() {
    if (!Panel7) return;
    for (const ToolSlot& slot : kToolBar)
        (this->*slot.button)->setIcon(drawToolIcon(slot.glyph, palette(), kToolIconSize));
    if (Pop1crop) Pop1crop->setIcon(drawToolIcon(ToolGlyph::Crop, palette(), 16));
    if (Pop1desel) Pop1desel->setIcon(drawToolIcon(ToolGlyph::Deselect, palette(), 16));
}

void TfFrame::buildRightPanel() {
    Panel6 = new QWidget(this);
    Panel6->setObjectName("Panel6");
    Panel6->setAccessibleName("Frame and mask");
    Panel6->setFixedWidth(276);
    PageControl1 = new QTabWidget(Panel6);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(2, 2, 273, 430);
    FrameSheet = new FramePage(dataDir_, PageControl1);
    FrameSheet->setObjectName("FrameSheet");
    MaskSheet = new MaskPage(dataDir_, PageControl1);
    MaskSheet->setObjectName("MaskSheet");
    PageControl1->addTab(FrameSheet, "Frame");
    PageControl1->addTab(MaskSheet, "Mask");
    PageControl1->setCurrentWidget(MaskSheet);

    btnApply = new QPushButton("Apply", Panel6);
    btnApply->setObjectName("btnApply");
    btnApply->setGeometry(29, 446, 100, 25);
    btnSourceImage = new QPushButton("Reload Image", Panel6);
    btnSourceImage->setObjectName("btnSourceImage");
    btnSourceImage->setGeometry(152, 446, 94, 25);
    for (QPushButton* button : {btnApply, btnSourceImage}) {
        button->setAccessibleName(button->text());
        button->setEnabled(false);
    }
}

void TfFrame::buildStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(std::max(19, StatusBar1->sizeHint().height()));
    const int widths[4] = {70, 70, 480, 50};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(StatusBar1);
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        panel->setAlignment(i == 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i == 3) {
            // The last panel takes what is left of the bar, as a status
            // bar's last panel does, so the address is not cut off.
            panel->setMinimumWidth(widths[i]);
            StatusBar1->addWidget(panel, 1);
        } else {
            panel->setFixedWidth(widths[i]);
            StatusBar1->addWidget(panel);
        }
        statusPanels[i] = panel;
    }
    setStatusPanel(3, QString::fromStdString(webSiteText()));
}

}  // namespace qm

// The main menu, the picture's pop-up menu and the wiring of every control
// to its handler.
#include <QMenu>
#include <initializer_list>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "app/main_window.h"
#include "app/picture_view.h"

namespace qm {

namespace {

QAction* entry(QMenu* menu, QAction*& slot, const char* name, const char* caption) {
    slot = menu->addAction(QString::fromUtf8(caption));
    slot->setObjectName(name);
    return slot;
}

QMenu* submenu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(name);
    menu->setAccessibleName(menu->title());
    return menu;
}

}  // namespace

void TfFrame::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = submenu(bar, "File1", "File");
    entry(file, New1, "New1", "New");
    entry(file, NewfromClipboard1, "NewfromClipboard1", "New from Clipboard");
    entry(file, Open1, "Open1", "Open");
    file->addSeparator()->setObjectName("N6");
    entry(file, Save1, "Save1", "Save");
    entry(file, Saveas1, "Saveas1", "Save as...");
    file->addSeparator()->setObjectName("N7");
    QMenu* acquire = submenu(file, "Acquireimage1", "Acquire image");
    entry(acquire, SelectSource1, "SelectSource1", "Select Source");
    entry(acquire, Acquire1, "Acquire1", "Acquire");
    file->addMenu(acquire);
    file->addSeparator()->setObjectName("N8");
    entry(file, PrintSetup1, "PrintSetup1", "Print Setup");
    entry(file, Print1, "Print1", "Print");
    file->addSeparator()->setObjectName("N9");
    entry(file, Exit1, "Exit1", "Exit");
    bar->addMenu(file);

    QMenu* edit = submenu(bar, "Edit1", "Edit");
    entry(edit, UndoMenu, "UndoMenu", "Undo");
    edit->addSeparator()->setObjectName("N3");
    QMenu* flip = submenu(edit, "Flip1", "Flip");
    entry(flip, FlipHorizontal, "FlipHorizontal", "Horizontal");
    entry(flip, FlipVertical, "FlipVertical", "Vertical");
    edit->addMenu(flip);
    QMenu* rotate = submenu(edit, "Rotate1", "Rotate");
    entry(rotate, N90Clockwise1, "N90Clockwise1", "90\u00b0 Clockwise");
    entry(rotate, N90Counterclockwise1, "N90Counterclockwise1", "90\u00b0 Counterclockwise");
    entry(rotate, N1801, "N1801", "180\u00b0");
    edit->addMenu(rotate);
    edit->addSeparator()->setObjectName("N4");
    entry(edit, ImageSize1, "ImageSize1", "Image Size...");
    entry(edit, CanvasSize1, "CanvasSize1", "Canvas Size...");
    edit->addSeparator()->setObjectName("N5");
    entry(edit, Crop1, "Crop1", "Crop...");
    entry(edit, Croptoselection1, "Croptoselection1", "Crop to selection");
    entry(edit, Deselect1, "Deselect1", "Deselect");
    bar->addMenu(edit);

    QMenu* tools = submenu(bar, "ools1", "Tools");
    entry(tools, Border1, "Border1", "Border");
    entry(tools, Shadow1, "Shadow1", "Shadow");
    bar->addMenu(tools);

    QMenu* help = submenu(bar, "Help1", "Help");
    entry(help, Webpage1, "Webpage1", "Web page");
    entry(help, About1, "About1", "About");
    bar->addMenu(help);

    // A command on the menu bar itself, with no menu under it.
    Feedback1 = bar->addAction("Feedback");
    Feedback1->setObjectName("Feedback1");

    PopupCrop = new QMenu(this);
    PopupCrop->setObjectName("PopupCrop");
    entry(PopupCrop, Pop1crop, "Pop1crop", "Crop To Selection");
    entry(PopupCrop, Pop1desel, "Pop1desel", "Deselect");
    ImageView->setPopupMenu(PopupCrop);
    drawToolIcons();
}

void TfFrame::bind(QObject* control, void (TfFrame::*handler)()) {
    auto run = [this, handler] { runCommand([this, handler] { (this->*handler)(); }); };
    if (auto* action = qobject_cast<QAction*>(control))
        connect(action, &QAction::triggered, this, run);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::clicked, this, run);
}

void TfFrame::bindSender(QObject* control, void (TfFrame::*handler)(QObject*)) {
    auto run = [this, handler, control] { runCommand([this, handler, control] { (this->*handler)(control); }); };
    if (auto* action = qobject_cast<QAction*>(control))
        connect(action, &QAction::triggered, this, run);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::clicked, this, run);
}

void TfFrame::connectCommands() {
    using Controls = std::initializer_list<QObject*>;
    const auto bindAll = [this](Controls controls, void (TfFrame::*handler)()) {
        for (QObject* control : controls) bind(control, handler);
    };
    const auto bindAllSenders = [this](Controls controls, void (TfFrame::*handler)(QObject*)) {
        for (QObject* control : controls) bindSender(control, handler);
    };
    bindAll({btnNew, New1}, &TfFrame::New1Click);
    bindAll({NewfromClipboard1}, &TfFrame::NewfromClipboard1Click);
    bindAll({btnOpen, Open1}, &TfFrame::Open1Click);
    bindAll({btnSave, Save1}, &TfFrame::Save1Click);
    bindAll({Saveas1}, &TfFrame::Saveas1Click);
    bindAll({SelectSource1}, &TfFrame::SelectSource1Click);
    bindAll({Acquire1}, &TfFrame::Acquire1Click);
    bindAll({PrintSetup1}, &TfFrame::PrintSetup1Click);
    bindAll({btnPrint, Print1}, &TfFrame::Print1Click);
    bindAll({Exit1}, &TfFrame::Exit1Click);
    bindAll({btnUndo, UndoMenu}, &TfFrame::UndoMenuClick);
    bindAllSenders({btnFlipHor, btnFlipVert, FlipHorizontal, FlipVertical}, &TfFrame::Flip);
    bindAllSenders({btnRotateLeft, btnRotateRight, N90Clockwise1, N90Counterclockwise1, N1801}, &TfFrame::Rotate);
    bindAll({btnImageSize, ImageSize1}, &TfFrame::ImageSize);
    bindAll({CanvasSize1}, &TfFrame::CanvasSize1Click);
    bindAll({btnCrop, Crop1}, &TfFrame::btnCropClick);
    bindAll({Croptoselection1, Pop1crop}, &TfFrame::CropToSel);
    bindAll({Deselect1, Pop1desel}, &TfFrame::Deselect);
    bindAll({Border1}, &TfFrame::Border1Click);
    bindAll({Shadow1}, &TfFrame::Shadow1Click);
    bindAll({Webpage1}, &TfFrame::Webpage1Click);
    bindAll({About1}, &TfFrame::About1Click);
    bindAll({Feedback1}, &TfFrame::Feedback1Click);
    bindAll({btnApply}, &TfFrame::btnApplyClick);
    bindAll({btnSourceImage}, &TfFrame::btnSourceImageClick);
    bindAllSenders({btnZoomOut, btnZoom100, btnZoomIn}, &TfFrame::Zoom);
    connect(ImageView, &PictureView::mouseMoved, this, [this] { runCommand([this] { ImageViewMouseMove(); }); });
    connect(ImageView, &PictureView::mouseReleased, this, [this] { runCommand([this] { ImageViewMouseUp(); }); });
}

}  // namespace qm

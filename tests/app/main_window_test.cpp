#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "codecs/registry.h"
#include "mask/mask_page.h"
#include "tests/support/scripted_prompts.h"

using qm::testing::ScriptedPrompts;

namespace qm {

namespace {

Image filled(int width, int height, Rgb colour) { return Image(width, height, colour); }

// A window over an empty data folder with scripted answers.
struct Window {
    QTemporaryDir folder;
    ScriptedPrompts* prompts = new ScriptedPrompts;
    TfFrame frame{std::filesystem::path(folder.path().toStdString()) / "data", std::unique_ptr<Prompts>(prompts)};

    QString write(const QString& name, const Image& picture) {
        const QString path = folder.filePath(name);
        codecs::writeImage(picture, path.toStdString());
        return path;
    }
    void open(const QString& path) {
        prompts->openAnswers.push_back(path);
        frame.Open1->trigger();
    }
    // What an editing command does: one undo step, then the change.
    void edit(Image picture) {
        frame.document().saveUndoStep();
        frame.document().setWorking(std::move(picture));
        frame.repaintView();
        frame.RefreshStatus();
        frame.UpdateControls();
    }
    QString panel(int index) const { return frame.statusPanels[index]->text(); }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithoutPicture() {
        Window w;
        TfFrame& f = w.frame;
        QCOMPARE(f.windowTitle(), QString("Quillmount 1.1.1"));
        QCOMPARE(f.PageControl1->currentWidget(), static_cast<QWidget*>(f.MaskSheet));
        QCOMPARE(f.PageControl1->tabText(0), QString("Frame"));
        for (QObject* off : std::initializer_list<QObject*>{
                 f.btnSave, f.Save1, f.Saveas1, f.btnPrint, f.Print1, f.btnUndo, f.UndoMenu, f.btnZoomOut,
                 f.btnZoom100, f.btnZoomIn, f.btnRotateLeft, f.btnRotateRight, f.N90Clockwise1, f.N1801,
                 f.btnFlipHor, f.FlipVertical, f.btnImageSize, f.ImageSize1, f.CanvasSize1, f.btnCrop, f.Crop1,
                 f.Croptoselection1, f.Pop1desel, f.Border1, f.Shadow1, f.btnApply, f.btnSourceImage})
            QVERIFY2(!off->property("enabled").toBool(), qPrintable(off->objectName()));
        for (QObject* on : std::initializer_list<QObject*>{f.btnNew, f.New1, f.NewfromClipboard1, f.btnOpen, f.Open1,
                                                           f.SelectSource1, f.Acquire1, f.PrintSetup1, f.Exit1,
                                                           f.Webpage1, f.About1, f.Feedback1})
            QVERIFY2(on->property("enabled").toBool(), qPrintable(on->objectName()));
        QVERIFY(w.prompts->errors.isEmpty());
    }

    void openingShowsNameSizeAndZoom() {
        Window w;
        const QString path = w.write("beach.png", filled(640, 480, {10, 120, 200}));
        w.open(path);
        QVERIFY2(w.prompts->errors.isEmpty(), qPrintable(w.prompts->errors.join('\n')));
        QCOMPARE(w.frame.windowTitle(), "Quillmount 1.1.1 - [" + path + "]");
        QCOMPARE(w.panel(0), QString("100%"));
        QCOMPARE(w.panel(1), QString("640x480"));
        QVERIFY(w.frame.btnSave->isEnabled());
        QVERIFY(w.frame.btnSourceImage->isEnabled());
        QVERIFY(!w.frame.btnUndo->isEnabled());
        QVERIFY(!w.frame.Deselect1->isEnabled());
        QCOMPARE(w.prompts->openFilters.value(0).section(";;", 0, 0).left(20), QString("All graphics (*.tif "));
        w.edit(filled(640, 480, {0, 0, 0}));
        QVERIFY(w.frame.btnUndo->isEnabled() && w.frame.UndoMenu->isEnabled());
    }

    void zoomSteps() {
        Window w;
        w.open(w.write("small.png", filled(8, 8, {1, 2, 3})));
        const auto press = [&](QToolButton* button) {
            button->click();
            return w.panel(0);
        };
        QStringList out;
        for (int i = 0; i < 7; ++i) out << press(w.frame.btnZoomOut);
        QCOMPARE(out, QStringList({"50%", "25%", "12%", "6%", "3%", "1%", "1%"}));
        w.frame.document().setZoom(12);
        QStringList in;
        for (int i = 0; i < 4; ++i) in << press(w.frame.btnZoomIn);
        QCOMPARE(in, QStringList({"24%", "48%", "96%", "192%"}));
        QCOMPARE(press(w.frame.btnZoom100), QString("100%"));
        QVERIFY(!QApplication::overrideCursor());
    }

    void undoRepeatsAndSurvivesReload() {
        Window w;
        const Image opened = filled(40, 30, {1, 1, 1});
        w.open(w.write("a.png", opened));
        const Image first = filled(20, 30, {2, 2, 2}), second = filled(60, 10, {3, 3, 3});
        w.edit(first);
        w.frame.btnUndo->click();
        QCOMPARE(w.frame.document().working(), opened);
        w.frame.btnUndo->click();
        QCOMPARE(w.frame.document().working(), opened);
        QVERIFY(w.frame.btnUndo->isEnabled());

        // Reload is not itself undone: Undo brings the picture from before
        // the last edit made before it.
        w.edit(first);
        w.edit(second);
        w.frame.btnSourceImage->click();
        QCOMPARE(w.frame.document().working(), opened);
        QCOMPARE(w.panel(1), QString("40x30"));
        w.frame.UndoMenu->trigger();
        QCOMPARE(w.frame.document().working(), first);
        QCOMPARE(w.panel(1), QString("20x30"));
    }

    void selectionOutsideRestoredPictureIsDropped() {
        Window w;
        w.open(w.write("a.png", filled(40, 30, {1, 1, 1})));
        w.edit(filled(200, 100, {2, 2, 2}));
        w.frame.document().setSelection(Selection{100, 50, 180, 90});
        w.frame.ImageViewMouseUp();
        QVERIFY(w.frame.Croptoselection1->isEnabled());
        w.frame.btnSourceImage->click();
        QVERIFY(!w.frame.document().selection());
        QVERIFY(!w.frame.Croptoselection1->isEnabled());
        QCOMPARE(w.panel(2), QString());
        // One that still fits stays.
        w.frame.document().setSelection(Selection{1, 1, 5, 5});
        w.frame.btnUndo->click();
        QCOMPARE(w.frame.document().selection(), (Selection{1, 1, 5, 5}));
    }

    void editOfOnePixelWidePictureKeepsEarlierStep() {
        Window w;
        w.open(w.write("a.png", filled(10, 10, {1, 1, 1})));
        const Image before = filled(12, 12, {2, 2, 2});
        w.edit(before);
        w.edit(filled(1, 12, {3, 3, 3}));  // step: `before`
        w.edit(filled(5, 5, {4, 4, 4}));   // a 1-pixel-wide picture saves no step
        w.frame.btnUndo->click();
        QCOMPARE(w.frame.document().working(), before);
    }

    void secondPictureDropsUndoStep() {
        Window w;
        w.open(w.write("a.png", filled(10, 10, {1, 1, 1})));
        w.edit(filled(4, 4, {9, 9, 9}));
        w.open(w.write("b.png", filled(6, 6, {2, 2, 2})));
        QVERIFY(!w.frame.document().canUndo());
        QVERIFY(!w.frame.btnUndo->isEnabled());
    }

    void resizeKeepsHeightAndStretchesSelectionPanel() {
        Window w;
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        w.frame.resize(1000, 400);
        QTRY_COMPARE(w.frame.height(), 600);
        QCOMPARE(w.frame.statusPanels[2]->width(), 680);
        w.frame.resize(700, 800);
        QTRY_COMPARE(w.frame.statusPanels[2]->width(), 380);
    }

    void exitClosesAtOnceWithUnsavedEdit() {
        Window w;
        w.frame.show();
        w.open(w.write("a.png", filled(10, 10, {1, 1, 1})));
        w.edit(filled(3, 3, {5, 5, 5}));
        w.frame.Exit1->trigger();
        QVERIFY(!w.frame.isVisible());
        QVERIFY(w.prompts->confirmTexts.isEmpty());
    }

    void failingCommandShowsErrorAndGoesOn() {
        Window w;
        w.prompts->openAnswers.push_back(w.folder.filePath("missing.png"));
        w.frame.btnOpen->click();
        QCOMPARE(w.prompts->errors.size(), 1);
        QVERIFY(w.prompts->errors[0].contains("missing.png"));
        w.open(w.write("a.png", filled(10, 10, {1, 1, 1})));
        QCOMPARE(w.panel(1), QString("10x10"));
    }

    void menusAndToolBarAsLaidOut() {
        Window w;
        const QList<QAction*> top = w.frame.menuBar()->actions();
        QStringList titles;
        for (QAction* action : top) titles << action->text();
        QCOMPARE(titles, QStringList({"File", "Edit", "Tools", "Help", "Feedback"}));
        QVERIFY(!top.last()->menu());
        const auto entries = [](QMenu* menu) {
            QStringList texts;
            for (QAction* action : menu->actions()) texts << (action->isSeparator() ? "-" : action->text());
            return texts;
        };
        QCOMPARE(entries(top[0]->menu()), QStringList({"New", "New from Clipboard", "Open", "-", "Save",
                                                       "Save as...", "-", "Acquire image", "-", "Print Setup",
                                                       "Print", "-", "Exit"}));
        QCOMPARE(entries(top[1]->menu()),
                 QStringList({"Undo", "-", "Flip", "Rotate", "-", "Image Size...", "Canvas Size...", "-", "Crop...",
                              "Crop to selection", "Deselect"}));
        QCOMPARE(entries(w.frame.PopupCrop), QStringList({"Crop To Selection", "Deselect"}));
        for (QAction* action : w.frame.findChildren<QAction*>()) QVERIFY(action->shortcut().isEmpty());

        const std::pair<QToolButton*, int> positions[] = {
            {w.frame.btnNew, 4},         {w.frame.btnPrint, 130},      {w.frame.btnUndo, 180},
            {w.frame.btnZoomOut, 230},   {w.frame.btnZoomIn, 314},     {w.frame.btnRotateLeft, 364},
            {w.frame.btnFlipHor, 456},   {w.frame.btnImageSize, 548},  {w.frame.btnCrop, 598}};
        for (const auto& [button, x] : positions) QCOMPARE(button->geometry(), QRect(x, 4, 40, 40));
        QCOMPARE(w.frame.btnRotateLeft->toolTip(), QString("Rotate Left ( 90\u00b0 Counterclockwise )"));
    }

    void controlsCarryAccessibleNames() {
        Window w;
        w.open(w.write("a.png", filled(10, 10, {1, 1, 1})));
        for (QToolButton* button : w.frame.Panel7->findChildren<QToolButton*>()) {
            QVERIFY(!button->toolTip().isEmpty());
            QCOMPARE(button->accessibleName(), button->toolTip());
        }
        for (QPushButton* button : {w.frame.btnApply, w.frame.btnSourceImage})
            QCOMPARE(button->accessibleName(), button->text());
        // The pages' own buttons get a name too, when they set none.
        for (QAbstractButton* button : w.frame.findChildren<QAbstractButton*>())
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
        for (QLabel* panel : w.frame.statusPanels) QCOMPARE(panel->accessibleName(), panel->text());
        QCOMPARE(w.frame.statusPanels[3]->text(), QString("quillmount.example"));
    }
};

}  // namespace qm

QTEST_MAIN(qm::MainWindowTest)
#include "main_window_test.moc"

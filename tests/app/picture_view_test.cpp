#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "app/picture_view.h"
#include "tests/support/scripted_prompts.h"

namespace qm {

namespace {

void send(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Drags with the left button from `from` to `to`, in viewport coordinates.
void drag(PictureView* view, QPointF from, QPointF to) {
    QWidget* surface = view->viewport();
    send(surface, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(surface, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    send(surface, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(surface, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

struct Window {
    QTemporaryDir folder;
    TfFrame frame{std::filesystem::path(folder.path().toStdString()) / "data",
                  std::make_unique<testing::ScriptedPrompts>()};
    Window(int width, int height) {
        frame.newPictureSequence(Image(width, height, Rgb{50, 60, 70}), "picture.png");
        frame.resize(900, 700);
        frame.show();
    }
    PictureView* view() { return frame.ImageView; }
    QString selectionPanel() { return frame.statusPanels[2]->text(); }
};

}  // namespace

class PictureViewTest : public QObject {
    Q_OBJECT
private slots:
    void dragSelectsPixelsInSelectionModeOnly() {
        Window w(200, 100);
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        const QPointF origin = w.view()->pictureOrigin();
        drag(w.view(), origin + QPointF(10.5, 20.5), origin + QPointF(129.5, 99.5));
        QVERIFY(!w.frame.document().selection());
        QCOMPARE(w.selectionPanel(), QString());

        w.frame.btnCrop->setChecked(true);
        w.frame.UpdateControls();
        drag(w.view(), origin + QPointF(10.5, 20.5), origin + QPointF(129.5, 99.5));
        QCOMPARE(w.frame.document().selection(), (Selection{10, 20, 129, 99}));
        QCOMPARE(w.selectionPanel(), QString("Selected: 120x80"));
        QVERIFY(w.frame.Croptoselection1->isEnabled() && w.frame.Pop1desel->isEnabled());

        // Dragging past the picture stops at its edge.
        drag(w.view(), origin + QPointF(150.5, 50.5), origin + QPointF(400, -40));
        QCOMPARE(w.frame.document().selection(), (Selection{150, 0, 199, 50}));
    }

    void zoomedDragMapsToPicturePixels() {
        Window w(100, 80);
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        w.frame.btnZoomIn->click();  // 200%
        w.frame.btnCrop->setChecked(true);
        w.frame.UpdateControls();
        const QPointF origin = w.view()->pictureOrigin();
        drag(w.view(), origin + QPointF(20.5, 10.5), origin + QPointF(61, 41));
        QCOMPARE(w.frame.document().selection(), (Selection{10, 5, 30, 20}));
    }

    void clickWithoutDragDropsSelection() {
        Window w(200, 100);
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        w.frame.btnCrop->setChecked(true);
        w.frame.UpdateControls();
        const QPointF origin = w.view()->pictureOrigin();
        drag(w.view(), origin + QPointF(5.5, 5.5), origin + QPointF(50.5, 50.5));
        QVERIFY(w.frame.document().selection());
        drag(w.view(), origin + QPointF(120.5, 70.5), origin + QPointF(120.5, 70.5));
        QVERIFY(!w.frame.document().selection());
        QCOMPARE(w.selectionPanel(), QString());
        QVERIFY(!w.frame.Croptoselection1->isEnabled());
    }

    void largePictureScrolls() {
        Window w(5000, 4000);
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        QScrollBar* across = w.view()->horizontalScrollBar();
        QCOMPARE(across->maximum(), 5000 - w.view()->viewport()->width());
        across->setValue(1000);
        QCOMPARE(w.view()->pictureOrigin().x(), -1000.0);
        w.frame.btnZoomOut->click();  // 50%: still wider than the view
        QCOMPARE(across->maximum(), 2500 - w.view()->viewport()->width());
        for (int i = 0; i < 3; ++i) w.frame.btnZoomOut->click();  // 6%: fits and is centred
        QCOMPARE(across->maximum(), 0);
        QVERIFY(w.view()->pictureOrigin().x() > 0);
    }
};

}  // namespace qm

QTEST_MAIN(qm::PictureViewTest)
#include "picture_view_test.moc"

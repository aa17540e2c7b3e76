// The tool dialogs on their own: the linked fields and the preview.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "tools/border_dialog.h"
#include "tools/canvas_size_dialog.h"
#include "tools/image_size_dialog.h"
#include "tools/shadow_dialog.h"
#include "tools/up_down.h"
#include "widgets/color_button.h"

using namespace qm;

class ToolDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void borderDefaults();
    void borderSymmetricLinksTheWidths();
    void borderArrowsStepFromTheTypedNumberWithinTheirRange();
    void shadowDefaults();
    void imageSizeKeepsTheAspectRatio_data();
    void imageSizeKeepsTheAspectRatio();
    void imageSizeWithoutAspectRatioChangesOneSide();
    void imageSizeIgnoresChangesWithoutFocus();
    void canvasAspectExchangeSettles();
    void canvasPreviewIsScaledWithABlackFrame();
    void canvasResetRestoresTheDefaults();
};

void ToolDialogsTest::borderDefaults() {
    Tform_border dialog;
    QCOMPARE(dialog.windowTitle(), QString("Add a border"));
    const BorderWidths w = dialog.widths();
    QCOMPARE(QList<int>({w.top, w.left, w.bottom, w.right}), QList<int>({2, 2, 2, 2}));
    QVERIFY(dialog.outside());
    QVERIFY(!dialog.CheckBox1->isChecked());
    QVERIFY(dialog.BorderColor->choice().automatic);
    QCOMPARE(dialog.colour(), (Rgb{0, 0, 0}));
    dialog.Edit9->setText("x1");
    QCOMPARE(dialog.widths().left, 0);
}

void ToolDialogsTest::borderSymmetricLinksTheWidths() {
    Tform_border dialog;
    dialog.Edit8->setText("7");
    QCOMPARE(dialog.Edit10->text(), QString("2"));  // not linked yet
    dialog.CheckBox1->setChecked(true);
    for (QLineEdit* edit : {dialog.Edit8, dialog.Edit9, dialog.Edit10, dialog.Edit11}) QCOMPARE(edit->text(), QString("7"));
    dialog.Edit10->clear();
    QTest::keyClicks(dialog.Edit10, "12");
    for (QLineEdit* edit : {dialog.Edit8, dialog.Edit9, dialog.Edit10, dialog.Edit11}) QCOMPARE(edit->text(), QString("12"));
    dialog.CheckBox1->setChecked(false);
    dialog.Edit11->setText("5");
    QCOMPARE(dialog.Edit8->text(), QString("12"));
    QCOMPARE(dialog.widths().bottom, 5);
}

void ToolDialogsTest::borderArrowsStepFromTheTypedNumberWithinTheirRange() {
    Tform_border dialog;
    dialog.Edit8->setText("40");
    dialog.UpDown7->step(1);
    QCOMPARE(dialog.Edit8->text(), QString("41"));
    dialog.Edit8->setText("100");
    dialog.UpDown7->step(1);
    QCOMPARE(dialog.Edit8->text(), QString("100"));
    dialog.Edit9->setText("0");
    dialog.UpDown8->step(-1);
    QCOMPARE(dialog.Edit9->text(), QString("0"));
    // Typed values beyond the arrows' range reach the command as typed.
    dialog.Edit11->setText("250");
    QCOMPARE(dialog.widths().bottom, 250);
}

void ToolDialogsTest::shadowDefaults() {
    Tform_shadow dialog;
    QCOMPARE(dialog.windowTitle(), QString("Add a drop shadow"));
    QCOMPARE(dialog.Edit5->text(), QString("3"));
    QCOMPARE(dialog.offsetX(), 3);
    QCOMPARE(dialog.offsetY(), 3);
    QCOMPARE(dialog.colour(), (Rgb{0, 0, 0}));
    dialog.Edit6->setText("left");
    QCOMPARE(dialog.offsetX(), 0);
    dialog.Edit7->setText("-45");
    QCOMPARE(dialog.offsetY(), -45);
}

void ToolDialogsTest::imageSizeKeepsTheAspectRatio_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("typeWidth");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("otherSide");
    QTest::addColumn<QString>("typedPercent");
    QTest::addColumn<QString>("otherPercent");
    QTest::newRow("640x480 width 320") << 640 << 480 << true << "320" << "240" << "50" << "50";
    QTest::newRow("100x33 width 50, half to even") << 100 << 33 << true << "50" << "16" << "50" << "48";
    QTest::newRow("100x33 width 150, half to even") << 100 << 33 << true << "150" << "50" << "150" << "151";
    QTest::newRow("3x3 width 5") << 3 << 3 << true << "5" << "5" << "166" << "166";
    QTest::newRow("640x480 height 240") << 640 << 480 << false << "240" << "320" << "50" << "50";
    QTest::newRow("not a number counts as 0") << 640 << 480 << true << "abc" << "0" << "0" << "0";
}

void ToolDialogsTest::imageSizeKeepsTheAspectRatio() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, typeWidth);
    QFETCH(QString, typed);
    TfImageSize dialog(width, height);
    QCOMPARE(dialog.EditW->text(), QString::number(width));
    QCOMPARE(dialog.Edit102->text(), QString::number(height));
    QCOMPARE(dialog.Edit103->text(), QString("100"));
    QLineEdit* edit = typeWidth ? dialog.EditW : dialog.EditH;
    QLineEdit* other = typeWidth ? dialog.EditH : dialog.EditW;
    typeWidth ? dialog.EditWEnter() : dialog.EditHEnter();
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTEST(other->text(), "otherSide");
    QTEST((typeWidth ? dialog.Edit103 : dialog.Edit104)->text(), "typedPercent");
    QTEST((typeWidth ? dialog.Edit104 : dialog.Edit103)->text(), "otherPercent");
}

void ToolDialogsTest::imageSizeWithoutAspectRatioChangesOneSide() {
    TfImageSize dialog(640, 480);
    dialog.CheckBox101->setChecked(false);
    dialog.EditWEnter();
    dialog.EditW->setText("1280");
    dialog.EditWExit();
    dialog.EditHEnter();
    dialog.EditH->setText("120");
    QCOMPARE(dialog.Edit103->text(), QString("200"));
    QCOMPARE(dialog.Edit104->text(), QString("25"));
    QCOMPARE(dialog.newWidth(), 1280);
    QCOMPARE(dialog.newHeight(), 120);
    dialog.EditH->setText("tall");
    QCOMPARE(dialog.newHeight(), 1);  // applied as 1
}

void ToolDialogsTest::imageSizeIgnoresChangesWithoutFocus() {
    TfImageSize dialog(640, 480);
    dialog.EditW->setText("320");
    QCOMPARE(dialog.EditH->text(), QString("480"));
    QCOMPARE(dialog.Edit103->text(), QString("100"));
    dialog.ComboBox102->setCurrentIndex(5);
    QCOMPARE(dialog.filter(), ResampleFilter::Lanczos3);
    dialog.FormActivate();
    QCOMPARE(dialog.EditW->text(), QString("640"));
    QCOMPARE(dialog.filter(), ResampleFilter::None);
}

void ToolDialogsTest::canvasAspectExchangeSettles() {
    TfCanvasSize dialog(Image(3, 2, Rgb{9, 9, 9}));
    dialog.SpinEdit201->setValue(5);
    QCOMPARE(dialog.SpinEdit201->value(), 4);
    QCOMPARE(dialog.SpinEdit202->value(), 3);
    QCOMPARE(dialog.result().width(), 4);
    QCOMPARE(dialog.result().height(), 3);
}

void ToolDialogsTest::canvasPreviewIsScaledWithABlackFrame() {
    TfCanvasSize dialog(Image(636, 200, Rgb{0, 0, 255}));
    const QImage preview = dialog.Image201->pixmap().toImage();
    QCOMPARE(preview.size(), QSize(318, 100));
    QCOMPARE(preview.pixelColor(0, 50), QColor(Qt::black));
    QCOMPARE(preview.pixelColor(317, 50), QColor(Qt::black));
    QCOMPARE(preview.pixelColor(150, 0), QColor(Qt::black));
    QCOMPARE(preview.pixelColor(150, 50), QColor(0, 0, 255));

    dialog.CheckBox201->setChecked(false);
    dialog.SpinEdit201->setValue(100);
    dialog.SpinEdit202->setValue(50);
    QCOMPARE(dialog.Image201->pixmap().size(), QSize(100, 50));
}

void ToolDialogsTest::canvasResetRestoresTheDefaults() {
    TfCanvasSize dialog(Image(640, 480, Rgb{1, 2, 3}));
    QCOMPARE(dialog.ComboBox202->currentText(), QString(" Centered"));
    QCOMPARE(dialog.Edit201->text(), QString("640"));
    QCOMPARE(dialog.canvasColour(), (Rgb{255, 255, 255}));
    dialog.CheckBox201->setChecked(false);
    dialog.SpinEdit201->setValue(700);
    dialog.SpinEdit202->setValue(500);
    QCOMPARE(dialog.result().at(30, 10), (Rgb{1, 2, 3}));
    QCOMPARE(dialog.result().at(29, 10), (Rgb{255, 255, 255}));
    dialog.ComboBox202->setCurrentIndex(int(CanvasAnchor::BottomRight));
    QCOMPARE(dialog.result().at(60, 20), (Rgb{1, 2, 3}));
    QCOMPARE(dialog.result().at(59, 499), (Rgb{255, 255, 255}));
    dialog.CanvasColor->setChoice(ColorChoice::of({0, 128, 0}));
    QCOMPARE(dialog.result().at(0, 0), (Rgb{0, 128, 0}));
    dialog.btReset->click();
    QCOMPARE(dialog.SpinEdit201->value(), 640);
    QCOMPARE(dialog.SpinEdit202->value(), 480);
    QCOMPARE(dialog.anchor(), CanvasAnchor::Center);
    QCOMPARE(dialog.canvasColour(), (Rgb{255, 255, 255}));
    // Typing past the spin range stops at 9999.
    dialog.SpinEdit201->selectAll();
    QTest::keyClicks(dialog.SpinEdit201, "123456");
    QVERIFY(dialog.SpinEdit201->value() <= 9999);
}

QTEST_MAIN(ToolDialogsTest)
#include "tool_dialogs_test.moc"

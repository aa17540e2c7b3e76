// The tool commands in the real main window, with the dialogs filled in by
// the test instead of the user.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "core/draw.h"
#include "core/transform.h"
#include "documents/clipboard_picture.h"
#include "tests/tools/picture_pattern.h"
#include "tests/tools/tool_prompts.h"
#include "tools/border_dialog.h"
#include "tools/canvas_size_dialog.h"
#include "tools/image_size_dialog.h"
#include "tools/shadow_dialog.h"
#include "widgets/color_button.h"

using namespace qm;

namespace {

struct Window {
    test::ToolPrompts* prompts = new test::ToolPrompts;
    TfFrame frame{std::filesystem::path(QUILLMOUNT_SOURCE_DIR) / "data", std::unique_ptr<Prompts>(prompts)};
    explicit Window(const Image& picture) { frame.newPictureSequence(picture, "picture.png"); }
    const Image& working() const { return frame.document().working(); }
    QString sizePanel() const { return frame.statusPanels[1]->text(); }
    QString selectionPanel() const { return frame.statusPanels[2]->text(); }
    template <typename Dialog, typename Fill>
    void answer(Fill fillIn, int result = QDialog::Accepted) {
        prompts->fill = [fillIn, result](QDialog& dialog) {
            auto* typed = qobject_cast<Dialog*>(&dialog);
            if (!typed) qFatal("unexpected dialog %s", qPrintable(dialog.objectName()));
            fillIn(*typed);
            return result;
        };
    }
};

bool pictureAt(const Image& canvas, const Image& picture, int x, int y) {
    for (int py = 0; py < picture.height(); ++py)
        for (int px = 0; px < picture.width(); ++px)
            if (!(canvas.at(x + px, y + py) == picture.at(px, py))) return false;
    return true;
}

}  // namespace

class ToolCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void borderDefaultsGrowThePicture();
    void borderCancelledChangesNothing();
    void shadowDefaultsOnSilver();
    void shadowRadiusThatIsNoNumberIsReported_data();
    void shadowRadiusThatIsNoNumberIsReported();
    void shadowRadiusInTheUsersLocaleOrWithAPoint();
    void shadowTooLargeIsRefused();
    void imageSize();
    void imageSizeWidthZeroKeepsTheWidth();
    void canvasSize();
    void rotateAndFlip_data();
    void rotateAndFlip();
    void selectionModeAndDeselect();
    void cropGoesThroughTheClipboard();
};

void ToolCommandsTest::borderDefaultsGrowThePicture() {
    const Image picture = test::patternPicture(40, 30);
    Window window(picture);
    window.answer<Tform_border>([](Tform_border&) {});
    window.frame.Border1Click();
    QCOMPARE(window.working().width(), 44);
    QCOMPARE(window.working().height(), 34);
    QVERIFY(pictureAt(window.working(), picture, 2, 2));
    QCOMPARE(window.working().at(0, 0), (Rgb{0, 0, 0}));  // Automatic paints black
    QCOMPARE(window.sizePanel(), QString("44x34"));
    QVERIFY(window.frame.document().canUndo());

    window.answer<Tform_border>([](Tform_border& d) {
        d.CheckBox2->setChecked(false);
        d.BorderColor->setChoice(ColorChoice::of({255, 0, 0}));
    });
    window.frame.Border1Click();
    QCOMPARE(window.working().width(), 44);
    QCOMPARE(window.working().at(1, 20), (Rgb{255, 0, 0}));
    QCOMPARE(window.working().at(2, 20), test::patternPixel(0, 18));
    window.frame.document().undo();
    QCOMPARE(window.working().at(1, 20), (Rgb{0, 0, 0}));
}

void ToolCommandsTest::borderCancelledChangesNothing() {
    Window window(test::patternPicture(10, 10));
    window.answer<Tform_border>([](Tform_border& d) { d.Edit8->setText("50"); }, QDialog::Rejected);
    window.frame.Border1Click();
    QCOMPARE(window.working(), test::patternPicture(10, 10));
    QVERIFY(!window.frame.document().canUndo());
}

void ToolCommandsTest::shadowDefaultsOnSilver() {
    Window window(Image(50, 40, Rgb{255, 192, 100}));
    window.answer<Tform_shadow>([](Tform_shadow&) {});
    window.frame.Shadow1Click();
    const Image& result = window.working();
    QCOMPARE(result.width(), 71);
    QCOMPARE(result.height(), 61);
    QVERIFY(!result.hasAlpha());
    QCOMPARE(result.at(10, 10), (Rgb{254, 192, 100}));
    QCOMPARE(result.at(59, 49), (Rgb{254, 192, 100}));
    QCOMPARE(result.at(0, 0), (Rgb{192, 192, 192}));
    const Rgb underShadow = result.at(62, 52);
    QVERIFY(underShadow.r < 192 && underShadow.r == underShadow.g && underShadow.g == underShadow.b);
    QCOMPARE(window.sizePanel(), QString("71x61"));
    QVERIFY(window.prompts->errors.isEmpty());
}

void ToolCommandsTest::shadowRadiusThatIsNoNumberIsReported_data() {
    QTest::addColumn<QString>("radius");
    for (const char* text : {"abc", "3,5x", "", "nan", "inf", "1,000"}) QTest::newRow(text) << QString(text);
}

void ToolCommandsTest::shadowRadiusThatIsNoNumberIsReported() {
    QFETCH(QString, radius);
    QLocale::setDefault(QLocale::c());
    const Image picture = test::patternPicture(20, 20);
    Window window(picture);
    window.answer<Tform_shadow>([radius](Tform_shadow& d) { d.Edit5->setText(radius); });
    window.frame.Shadow1Click();
    QCOMPARE(window.prompts->errors, QStringList{QString("'%1' is not a valid floating point value").arg(radius)});
    QCOMPARE(window.working(), picture);
}

void ToolCommandsTest::shadowRadiusInTheUsersLocaleOrWithAPoint() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char* radius : {"3,5", "3.5"}) {
        Window window(Image(10, 10, Rgb{1, 2, 3}));
        window.answer<Tform_shadow>([radius](Tform_shadow& d) { d.Edit5->setText(radius); });
        window.frame.Shadow1Click();
        QVERIFY2(window.prompts->errors.isEmpty(), radius);
        QCOMPARE(window.working().width(), 10 + 6 + 17);  // trunc(3.5 * 5) = 17
    }
    QLocale::setDefault(QLocale::c());
}

void ToolCommandsTest::shadowTooLargeIsRefused() {
    const Image picture = test::patternPicture(20, 20);
    Window window(picture);
    window.answer<Tform_shadow>([](Tform_shadow& d) { d.Edit5->setText("1e9"); });
    window.frame.Shadow1Click();
    QCOMPARE(window.prompts->errors.size(), 1);
    QVERIFY(window.prompts->errors[0].contains("too large"));
    QCOMPARE(window.working(), picture);
}

void ToolCommandsTest::imageSize() {
    Window window(Image(640, 480, Rgb{10, 20, 30}));
    window.answer<TfImageSize>([](TfImageSize& d) {
        d.EditWEnter();
        d.EditW->setText("320");
        d.ComboBox102->setCurrentIndex(int(ResampleFilter::Lanczos3));
    });
    window.frame.ImageSize();
    QCOMPARE(window.working().width(), 320);
    QCOMPARE(window.working().height(), 240);
    QCOMPARE(window.working().at(100, 100), (Rgb{10, 20, 30}));
    QCOMPARE(window.sizePanel(), QString("320x240"));
    QCOMPARE(window.frame.refWidth, 640);
}

void ToolCommandsTest::imageSizeWidthZeroKeepsTheWidth() {
    Window window(Image(64, 48, Rgb{1, 1, 1}));
    window.answer<TfImageSize>([](TfImageSize& d) {
        d.CheckBox101->setChecked(false);
        d.EditW->setText("0");
        d.EditH->setText("24");
    });
    window.frame.ImageSize();
    QCOMPARE(window.sizePanel(), QString("64x24"));
}

void ToolCommandsTest::canvasSize() {
    const Image picture = test::patternPicture(64, 48);
    Window window(picture);
    window.answer<TfCanvasSize>([](TfCanvasSize& d) {
        d.CheckBox201->setChecked(false);
        d.SpinEdit201->setValue(70);
        d.SpinEdit202->setValue(50);
    });
    window.frame.CanvasSize1Click();
    QCOMPARE(window.sizePanel(), QString("70x50"));
    QVERIFY(pictureAt(window.working(), picture, 3, 1));
    QCOMPARE(window.working().at(2, 1), (Rgb{255, 255, 255}));
    QCOMPARE(window.working().at(67, 1), (Rgb{255, 255, 255}));

    window.answer<TfCanvasSize>([](TfCanvasSize& d) { d.SpinEdit201->setValue(1); }, QDialog::Rejected);
    window.frame.CanvasSize1Click();
    QCOMPARE(window.sizePanel(), QString("70x50"));
}

void ToolCommandsTest::rotateAndFlip_data() {
    QTest::addColumn<QStringList>("senders");
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("identity");
    QTest::newRow("menu clockwise") << QStringList{"N90Clockwise1"} << "30x40" << false;
    QTest::newRow("button clockwise") << QStringList{"btnRotateRight"} << "30x40" << false;
    QTest::newRow("180") << QStringList{"N1801"} << "40x30" << false;
    QTest::newRow("left then right") << QStringList{"btnRotateLeft", "N90Clockwise1"} << "40x30" << true;
    QTest::newRow("counter-clockwise then clockwise") << QStringList{"N90Counterclockwise1", "btnRotateRight"} << "40x30" << true;
    QTest::newRow("two horizontal flips") << QStringList{"FlipHorizontal", "btnFlipHor"} << "40x30" << true;
    QTest::newRow("two vertical flips") << QStringList{"btnFlipVert", "FlipVertical"} << "40x30" << true;
    QTest::newRow("horizontal flip") << QStringList{"FlipHorizontal"} << "40x30" << false;
}

void ToolCommandsTest::rotateAndFlip() {
    QFETCH(QStringList, senders);
    const Image picture = test::patternPicture(40, 30);
    Window window(picture);
    for (const QString& name : senders) {
        QObject* sender = window.frame.findChild<QObject*>(name);
        QVERIFY2(sender, qPrintable(name));
        if (name.startsWith("Flip") || name.startsWith("btnFlip")) window.frame.Flip(sender);
        else window.frame.Rotate(sender);
    }
    QTEST(window.sizePanel(), "size");
    QFETCH(bool, identity);
    QCOMPARE(window.working() == picture, identity);
    if (senders.size() != 1) return;
    // A single command turns the way its control says, and undoes in one step.
    const QString name = senders[0];
    Image expected = picture;
    if (name.contains("Flip")) flip(expected, FlipDirection::Horizontal);
    else expected = rotate(picture, name == "N1801" ? 180 : -90);
    QCOMPARE(window.working(), expected);
    window.frame.document().undo();
    QCOMPARE(window.working(), picture);
}

void ToolCommandsTest::selectionModeAndDeselect() {
    Window window(test::patternPicture(200, 150));
    QVERIFY(!window.frame.btnCrop->isChecked());
    window.frame.btnCropClick();
    QVERIFY(window.frame.btnCrop->isChecked());
    window.frame.document().setSelection(Selection{10, 20, 129, 99});
    window.frame.ImageViewMouseMove();
    QCOMPARE(window.selectionPanel(), QString("Selected: 120x80"));
    // Leaving the mode keeps the selection.
    window.frame.btnCropClick();
    QVERIFY(!window.frame.btnCrop->isChecked());
    QVERIFY(window.frame.document().selection().has_value());
    window.frame.btnCropClick();
    window.frame.Deselect();
    QVERIFY(!window.frame.btnCrop->isChecked());
    QVERIFY(!window.frame.document().selection().has_value());
    QCOMPARE(window.selectionPanel(), QString());
    window.frame.CropToSel();  // nothing to crop
    QCOMPARE(window.sizePanel(), QString("200x150"));
    QVERIFY(!window.frame.document().canUndo());
}

void ToolCommandsTest::cropGoesThroughTheClipboard() {
    const Image picture = test::patternPicture(200, 150);
    Window window(picture);
    window.frame.btnCropClick();
    window.frame.document().setSelection(Selection{10, 20, 129, 99});
    window.frame.ImageViewMouseUp();
    window.frame.CropToSel();
    const Image expected = copyRect(picture, {10, 20, 120, 80});
    QCOMPARE(window.working(), expected);
    QCOMPARE(window.sizePanel(), QString("120x80"));
    QCOMPARE(window.selectionPanel(), QString());
    QVERIFY(!window.frame.btnCrop->isChecked());
    QVERIFY(!window.frame.document().selection().has_value());
    const std::optional<Image> onClipboard = pictureFromClipboard();
    QVERIFY(onClipboard.has_value());
    QCOMPARE(*onClipboard, expected);
    window.frame.document().undo();
    QCOMPARE(window.working(), picture);
}

QTEST_MAIN(ToolCommandsTest)
#include "tool_commands_test.moc"

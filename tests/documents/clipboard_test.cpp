#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "documents/clipboard_picture.h"
#include "documents/picture_qimage.h"
#include "scripted_prompts.h"

namespace qm {
namespace {

Image gradient(int width, int height, std::uint8_t blue) {
    Image picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.at(x, y) = {std::uint8_t(x * 7), std::uint8_t(y * 11), blue};
    return picture;
}

QByteArray png(const Image& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    toQImage(picture).save(&buffer, "PNG");
    return bytes;
}

}  // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dataDir_;
    ScriptedPrompts* prompts_ = nullptr;

    std::unique_ptr<TfFrame> makeFrame() {
        auto prompts = std::make_unique<ScriptedPrompts>();
        prompts_ = prompts.get();
        return std::make_unique<TfFrame>(dataDir_.path().toStdString(), std::move(prompts));
    }

private slots:
    void textOnlyWarnsAndChangesNothing() {
        auto frame = makeFrame();
        frame->newPictureSequence(Image(6, 6, {1, 2, 3}), "/photos/a.png");
        frame->document().saveUndoStep();
        QGuiApplication::clipboard()->setText("just words");
        frame->NewfromClipboard1Click();
        QCOMPARE(prompts_->messages, QStringList{"Warning: Clipboard does not contain graphic objects"});
        QVERIFY(frame->document().working() == Image(6, 6, {1, 2, 3}));
        QCOMPARE(frame->document().currentFileName(), std::string("/photos/a.png"));
        QVERIFY(frame->document().canUndo());
        QCOMPARE(frame->windowTitle(), QString("Quillmount 1.1.1 - [/photos/a.png]"));
    }

    void pastedPictureStartsAnUntitledDocument() {
        auto frame = makeFrame();
        frame->newPictureSequence(Image(6, 6, {1, 2, 3}), "/photos/a.png");
        frame->document().saveUndoStep();
        const Image picture = gradient(13, 7, 200);
        putPictureOnClipboard(picture);
        for (int run = 0; run < 2; ++run) {
            frame->NewfromClipboard1Click();
            QVERIFY(frame->document().working() == picture);
            QVERIFY(frame->document().source() == picture);
            QVERIFY(!frame->document().canUndo());
            QCOMPARE(frame->windowTitle(), QString("Quillmount 1.1.1 - [Untitled]"));
            frame->document().saveUndoStep();
        }
        QVERIFY(prompts_->messages.isEmpty());
        // Only read: the clipboard still offers the picture.
        QVERIFY(pictureFromClipboard() == picture);
    }

    void pasteTakesTheFirstUsableFormat_data() {
        QTest::addColumn<QByteArray>("own");
        QTest::addColumn<QByteArray>("pngData");
        QTest::addColumn<bool>("plainImage");
        QTest::addColumn<int>("expectedBlue");  // -1: no picture
        const QByteArray ownPicture = [] {
            QByteArray bytes("\x02\0\0\0\x01\0\0\0", 8);
            return bytes + QByteArray("\x01\x02\x10\x03\x04\x10", 6);
        }();
        const QByteArray pngPicture = png(gradient(2, 1, 0x20));
        QTest::newRow("own before PNG and image") << ownPicture << pngPicture << true << 0x10;
        QTest::newRow("PNG before image") << QByteArray() << pngPicture << true << 0x20;
        QTest::newRow("plain image") << QByteArray() << QByteArray() << true << 0x30;
        QTest::newRow("own format short of pixels") << ownPicture.left(12) << pngPicture << false << 0x20;
        QTest::newRow("own format claiming a huge size")
            << QByteArray("\xff\xff\xff\x7f\x01\0\0\0", 8) + "abc" << QByteArray() << true << 0x30;
        QTest::newRow("broken PNG only") << QByteArray() << QByteArray("\x89PNG garbage") << false << -1;
    }
    void pasteTakesTheFirstUsableFormat() {
        QFETCH(QByteArray, own);
        QFETCH(QByteArray, pngData);
        QFETCH(bool, plainImage);
        QFETCH(int, expectedBlue);
        auto* data = new QMimeData;
        if (!own.isEmpty()) data->setData(kPictureMimeType, own);
        if (!pngData.isEmpty()) data->setData("image/png", pngData);
        if (plainImage) data->setImageData(toQImage(gradient(2, 1, 0x30)));
        QGuiApplication::clipboard()->setMimeData(data);
        const auto picture = pictureFromClipboard();
        if (expectedBlue < 0) {
            QVERIFY(!picture);
            return;
        }
        QVERIFY(picture);
        QCOMPARE(picture->width(), 2);
        QCOMPARE(picture->height(), 1);
        QCOMPARE(int(picture->at(1, 0).b), expectedBlue);
    }

    void unreadablePictureIsReportedAndChangesNothing() {
        auto frame = makeFrame();
        auto* data = new QMimeData;
        data->setData("image/png", "\x89PNG garbage");
        QGuiApplication::clipboard()->setMimeData(data);
        frame->NewfromClipboard1Click();
        QCOMPARE(prompts_->messages.size(), 1);
        QVERIFY(!frame->document().imageLoaded());
    }
};

}  // namespace qm

QTEST_MAIN(qm::ClipboardTest)
#include "clipboard_test.moc"

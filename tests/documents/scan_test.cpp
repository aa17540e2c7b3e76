#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/main_window.h"
#include "documents/scan_dialog.h"
#include "documents/scanner.h"
#include "scripted_prompts.h"

namespace qm {
namespace {

// The scanner library's "test" device, small and coloured.
constexpr const char* kTestDevice =
    "test-picture \"Color pattern\"\ndepth 8\nresolution 25.4\n"
    "geometry_min 0.0\ngeometry_max 200.0\ngeometry_quant 1.0\n"
    "resolution_min 1.0\nresolution_max 1200.0\nresolution_quant 1.0\n"
    "tl_x 0.0\ntl_y 0.0\nbr_x 40.0\nbr_y 30.0\n";

bool hasColour(const Image& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb p = picture.at(x, y);
            if (p.r != p.g || p.g != p.b) return true;
        }
    return false;
}

}  // namespace

class ScanTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dataDir_;
    // The scanner library reads SANE_CONFIG_DIR once per process, so every
    // configuration is written into the same folder.
    QTemporaryDir config_;
    ScriptedPrompts* prompts_ = nullptr;

    // A configuration of our own: `backends` in dll.conf, the test device's settings plus `extra`.
    void configure(const QByteArray& backends, const QByteArray& extra = "number_of_devices 1\n") {
        QFile dll(config_.filePath("dll.conf"));
        QVERIFY(dll.open(QIODevice::WriteOnly));
        dll.write(backends);
        QFile test(config_.filePath("test.conf"));
        QVERIFY(test.open(QIODevice::WriteOnly));
        test.write(QByteArray(kTestDevice) + extra);
        qputenv("SANE_CONFIG_DIR", config_.path().toLocal8Bit());
    }

    std::unique_ptr<TfFrame> frameWithPicture() {
        auto prompts = std::make_unique<ScriptedPrompts>();
        prompts_ = prompts.get();
        auto frame = std::make_unique<TfFrame>(dataDir_.path().toStdString(), std::move(prompts));
        frame->newPictureSequence(Image(8, 8, {1, 2, 3}), "/photos/a.png");
        frame->document().saveUndoStep();
        return frame;
    }

    void expectUnchanged(TfFrame& frame) {
        QVERIFY(frame.document().working() == Image(8, 8, {1, 2, 3}));
        QVERIFY(frame.document().canUndo());
        QCOMPARE(frame.windowTitle(), QString("Quillmount 1.1.1 - [/photos/a.png]"));
    }

private slots:
    void withoutScannersNothingChanges() {
        configure("");
        auto frame = frameWithPicture();
        frame->Acquire1Click();
        expectUnchanged(*frame);
        QVERIFY(prompts_->messages.isEmpty());
        int listed = -1;
        bool canSelect = true;
        prompts_->onExec = [&](QDialog& dialog) {
            auto& select = static_cast<SelectSourceDialog&>(dialog);
            listed = select.deviceList->count();
            canSelect = select.okButton->isEnabled();
            return int(QDialog::Rejected);
        };
        frame->SelectSource1Click();
        QCOMPARE(listed, 0);
        QVERIFY(!canSelect);
    }

    void acquireStartsAnUntitledDocumentInColour() {
        configure("test\n");
        auto frame = frameWithPicture();
        frame->Acquire1Click();
        QVERIFY(prompts_->messages.isEmpty());
        const Image scanned = frame->document().working();
        QVERIFY(scanned.width() > 30 && scanned.height() > 20);
        QVERIFY(hasColour(scanned));
        QCOMPARE(frame->windowTitle(), QString("Quillmount 1.1.1 - [Untitled]"));
        QVERIFY(!frame->document().canUndo());
        QVERIFY(frame->document().imageLoaded());
        frame->document().setWorking(Image(3, 3, {9, 9, 9}));
        frame->btnSourceImageClick();
        QVERIFY(frame->document().working() == scanned);
    }

    // Three single-colour passes must give the same picture as one colour pass.
    void framesAssembleAlike_data() {
        QTest::addColumn<QByteArray>("setting");
        QTest::newRow("three passes") << QByteArray("three-pass true\nthree-pass-order RGB\n");
        QTest::newRow("three passes, blue first") << QByteArray("three-pass true\nthree-pass-order BGR\n");
    }
    void framesAssembleAlike() {
        QFETCH(QByteArray, setting);
        const auto scan = [] {
            scanner::Session session;
            return session.scanPage("test:0", [](double) { return true; });
        };
        configure("test\n");
        const auto reference = scan();
        configure("test\n", "number_of_devices 1\n" + setting);
        const auto other = scan();
        QVERIFY(reference && other);
        QCOMPARE(other->width(), reference->width());
        QCOMPARE(other->height(), reference->height());
        QVERIFY(*other == *reference);
    }

    void progressRunsToTheEndAndCancelStopsTheScan() {
        configure("test\n", "number_of_devices 1\nread-limit true\nread-limit-size 256\n");
        {
            scanner::Session session;
            std::vector<double> steps;
            QVERIFY(session.scanPage("test:0", [&](double done) {
                steps.push_back(done);
                return true;
            }));
            QVERIFY(steps.size() > 3);
            QVERIFY(std::is_sorted(steps.begin(), steps.end()));
            QCOMPARE(steps.front(), 0.0);
            QCOMPARE(steps.back(), 1.0);
        }
        auto frame = frameWithPicture();
        QTimer::singleShot(0, [] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* progress = qobject_cast<ScanProgressDialog*>(widget)) progress->cancelButton->click();
        });
        frame->Acquire1Click();
        expectUnchanged(*frame);
        QVERIFY(prompts_->messages.isEmpty());
    }

    void selectedSourceIsTheOneAcquired() {
        configure("test\n", "number_of_devices 2\n");
        auto frame = frameWithPicture();
        QStringList listed;
        prompts_->onExec = [&](QDialog& dialog) {
            auto& select = static_cast<SelectSourceDialog&>(dialog);
            for (int row = 0; row < select.deviceList->count(); ++row)
                listed << select.deviceList->item(row)->text();
            select.deviceList->setCurrentRow(1);
            return int(QDialog::Accepted);
        };
        frame->SelectSource1Click();
        QCOMPARE(listed.size(), 2);
        QVERIFY(listed[1].contains("test:1"));

        // With the chosen device gone, Acquire reports it and keeps the document.
        configure("test\n", "number_of_devices 1\n");
        frame->Acquire1Click();
        expectUnchanged(*frame);
        QCOMPARE(prompts_->messages.size(), 1);
        QVERIFY2(prompts_->messages[0].contains("test:1"), qPrintable(prompts_->messages[0]));

        configure("test\n", "number_of_devices 2\n");
        frame->Acquire1Click();
        QCOMPARE(frame->windowTitle(), QString("Quillmount 1.1.1 - [Untitled]"));
    }
};

}  // namespace qm

QTEST_MAIN(qm::ScanTest)
#include "scan_test.moc"

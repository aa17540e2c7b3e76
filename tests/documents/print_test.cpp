#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "core/draw.h"
#include "documents/print_dialog.h"
#include "documents/print_setup.h"
#include "scripted_prompts.h"

namespace qm {
namespace {

constexpr Rgb kGreen{0, 160, 0}, kRed{220, 0, 0}, kBlue{0, 0, 220};

// Green all over, with a 100 x 50 block at (20, 30): red on the left, blue on the right.
Image pictureWithBlock() {
    Image picture(200, 100, kGreen);
    fillRect(picture, {20, 30, 50, 50}, kRed);
    fillRect(picture, {70, 30, 50, 50}, kBlue);
    return picture;
}

bool near(QRgb pixel, Rgb colour) {
    return std::abs(qRed(pixel) - colour.r) < 40 && std::abs(qGreen(pixel) - colour.g) < 40 &&
           std::abs(qBlue(pixel) - colour.b) < 40;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    ScriptedPrompts* prompts_ = nullptr;

    std::unique_ptr<TfFrame> makeFrame() {
        auto prompts = std::make_unique<ScriptedPrompts>();
        prompts_ = prompts.get();
        auto frame = std::make_unique<TfFrame>(dir_.path().toStdString(), std::move(prompts));
        frame->newPictureSequence(pictureWithBlock(), "/photos/block.png");
        return frame;
    }

    // As on a machine without printers: a PDF file, named when printing.
    static void printToUnnamedPdf() {
        currentPrinter().setOutputFormat(QPrinter::PdfFormat);
        currentPrinter().setOutputFileName(QString());
    }

private slots:
    void wholePictureWithoutSelection() {
        auto frame = makeFrame();
        QSize handed;
        prompts_->onExec = [&](QDialog& dialog) {
            handed = static_cast<PrintPictureDialog&>(dialog).picture().size();
            return int(QDialog::Rejected);
        };
        frame->Print1Click();
        QCOMPARE(handed, QSize(200, 100));
    }

    void selectionPrintsIntoAPdfPage() {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
        printToUnnamedPdf();
        auto frame = makeFrame();
        frame->document().setSelection(Selection{20, 30, 119, 79});
        frame->document().saveUndoStep();
        const Image before = frame->document().working();
        const QString pdf = dir_.filePath("selection.pdf");
        prompts_->onSaveFile = [&] { return std::optional<QString>(pdf); };
        QSize handed;
        prompts_->onExec = [&](QDialog& dialog) {
            auto& print = static_cast<PrintPictureDialog&>(dialog);
            handed = print.picture().size();
            print.printPicture();
            return dialog.result();
        };
        frame->Print1Click();
        QCOMPARE(handed, QSize(100, 50));
        QVERIFY(frame->document().working() == before);
        QVERIFY(frame->document().canUndo());
        QVERIFY(currentPrinter().outputFileName().isEmpty());
        QVERIFY(prompts_->messages.isEmpty());

        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "30", "-png", "-singlefile", pdf, dir_.filePath("page")}), 0);
        const QImage page(dir_.filePath("page.png"));
        QVERIFY(!page.isNull());
        // The picture's extent on the page: everything that is not paper.
        QRect ink;
        bool green = false;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb pixel = page.pixel(x, y);
                if (qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240) continue;
                ink |= QRect(x, y, 1, 1);
                green = green || near(pixel, kGreen);
            }
        QVERIFY(!green);
        QVERIFY(ink.width() > page.width() / 2);  // fitted inside the margins
        QVERIFY(std::abs(ink.width() - 2 * ink.height()) <= 2);
        const QPoint middle = ink.center();
        QVERIFY(near(page.pixel(ink.left() + ink.width() / 4, middle.y()), kRed));
        QVERIFY(near(page.pixel(ink.right() - ink.width() / 4, middle.y()), kBlue));
    }

    void cancelledFileNamePrintsNothing() {
        printToUnnamedPdf();
        auto frame = makeFrame();
        prompts_->onSaveFile = [] { return std::nullopt; };
        int result = -1;
        prompts_->onExec = [&](QDialog& dialog) {
            static_cast<PrintPictureDialog&>(dialog).printPicture();
            result = dialog.result();
            return result;
        };
        frame->Print1Click();
        QCOMPARE(result, int(QDialog::Rejected));  // still open: the user may choose again
        QVERIFY(currentPrinter().outputFileName().isEmpty());
    }
};

}  // namespace qm

QTEST_MAIN(qm::PrintTest)
#include "print_test.moc"

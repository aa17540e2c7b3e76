#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/prompts.h"
#include "documents/save_dialog.h"
#include "documents/save_options_dialog.h"

namespace qm {

class SaveDialogTest : public QObject {
    Q_OBJECT
private slots:
    void nameWithoutExtensionGetsTheChosenFiltersOne() {
        QTemporaryDir folder;
        codecs::SaveOptions options;
        const QStringList filters{"JPEG Bitmap (JPG) (*.jpg)", "Portable Network Graphics (PNG) (*.png)"};
        SaveDialog dialog(nullptr, "beach", filters, options);
        dialog.setDirectory(folder.path());
        dialog.selectNameFilter(filters[1]);
        dialog.selectFile("beach");
        QCOMPARE(dialog.currentExtension(), QString("png"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenPath(), folder.filePath("beach.png"));
    }

    void typedExtensionWins() {
        QTemporaryDir folder;
        codecs::SaveOptions options;
        SaveDialog dialog(nullptr, "x", {"JPEG Bitmap (JPG) (*.jpg)"}, options);
        dialog.setDirectory(folder.path());
        dialog.selectFile("beach.tif");
        QCOMPARE(dialog.currentExtension(), QString("tif"));
        dialog.accept();
        QCOMPARE(dialog.chosenPath(), folder.filePath("beach.tif"));
    }

    // The advanced options count only when the picture is saved.
    void cancelledSaveRestoresOptions_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("quality");
        QTest::newRow("cancelled") << false << 90;
        QTest::newRow("saved") << true << 40;
    }
    void cancelledSaveRestoresOptions() {
        QFETCH(bool, save);
        QFETCH(int, quality);
        QTemporaryDir folder;
        codecs::SaveOptions options;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<SaveDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(folder.path());
            QTimer::singleShot(0, [] {
                auto* advanced = qobject_cast<SaveOptionsDialog*>(QApplication::activeModalWidget());
                QVERIFY(advanced);
                advanced->findChild<QSpinBox*>()->setValue(40);
                advanced->accept();
            });
            dialog->findChild<QPushButton*>("advanced")->click();
            QCOMPARE(options.jpegQuality, 40);
            if (save)
                dialog->accept();
            else
                dialog->reject();
        });
        Prompts prompts;
        const auto chosen = prompts.saveFile(nullptr, "beach", "JPEG Bitmap (JPG) (*.jpg)", options);
        QCOMPARE(chosen.has_value(), save);
        QCOMPARE(options.jpegQuality, quality);
    }
};

}  // namespace qm

QTEST_MAIN(qm::SaveDialogTest)
#include "save_dialog_test.moc"

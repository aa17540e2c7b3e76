#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "documents/save_dialog.h"

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
};

}  // namespace qm

QTEST_MAIN(qm::SaveDialogTest)
#include "save_dialog_test.moc"

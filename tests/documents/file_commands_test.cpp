#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "codecs/registry.h"
#include "tests/support/scripted_prompts.h"

using qm::testing::ScriptedPrompts;

namespace qm {

namespace {

Image filled(int width, int height, Rgb colour) { return Image(width, height, colour); }

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Window {
    QTemporaryDir folder;
    ScriptedPrompts* prompts = new ScriptedPrompts;
    TfFrame frame{std::filesystem::path(folder.path().toStdString()) / "data", std::unique_ptr<Prompts>(prompts)};

    QString path(const QString& name) const { return folder.filePath(name); }
    QString write(const QString& name, const Image& picture) {
        codecs::writeImage(picture, path(name).toStdString());
        return path(name);
    }
    void open(const QString& file) {
        prompts->openAnswers.push_back(file);
        frame.Open1->trigger();
    }
    void edit(Image picture) {
        frame.document().saveUndoStep();
        frame.document().setWorking(std::move(picture));
        frame.UpdateControls();
    }
    Image reread(const QString& file) const { return codecs::readImage(file.toStdString()); }
    QString name() const { return QString::fromStdString(frame.document().currentFileName()); }
};

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveTwiceKeepsTheFirstBackup() {
        Window w;
        const QString beach = w.write("beach.png", filled(8, 6, {1, 2, 3}));
        const QByteArray original = contents(beach);
        w.open(beach);
        const QString caption = w.frame.windowTitle();
        w.edit(filled(5, 5, {200, 0, 0}));
        w.frame.btnSave->click();
        QVERIFY2(w.prompts->errors.isEmpty(), qPrintable(w.prompts->errors.join('\n')));
        QCOMPARE(contents(w.path("beach.bak")), original);
        QCOMPARE(w.reread(beach), filled(5, 5, {200, 0, 0}));

        w.edit(filled(4, 4, {0, 200, 0}));
        w.frame.Save1->trigger();
        QCOMPARE(contents(w.path("beach.bak")), original);
        QCOMPARE(w.reread(beach), filled(4, 4, {0, 200, 0}));
        QCOMPARE(w.frame.windowTitle(), caption);
        QVERIFY(w.prompts->proposedNames.isEmpty());
        // Nothing but the file and its backup is left in the folder.
        QCOMPARE(QDir(w.folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void filesSharingABackupNameKeepTheFirstOnly() {
        Window w;
        const QString jpeg = w.write("beach.jpg", filled(8, 8, {90, 90, 90}));
        const QString png = w.write("beach.png", filled(8, 8, {10, 10, 10}));
        const QByteArray jpegBytes = contents(jpeg);
        w.open(jpeg);
        w.frame.btnSave->click();
        w.open(png);
        w.edit(filled(3, 3, {7, 7, 7}));
        w.frame.btnSave->click();
        QVERIFY(w.prompts->errors.isEmpty());
        QCOMPARE(contents(w.path("beach.bak")), jpegBytes);
        QCOMPARE(w.reread(png), filled(3, 3, {7, 7, 7}));
    }

    void saveAsProposesReducedNameAndCancelKeepsIt() {
        Window w;
        w.open(w.write("beach.png", filled(4, 4, {1, 1, 1})));
        const QString caption = w.frame.windowTitle();
        w.frame.Saveas1->trigger();  // cancelled
        QCOMPARE(w.prompts->proposedNames, QStringList({"beach"}));
        QCOMPARE(w.name(), QString("beach"));
        QCOMPARE(w.frame.windowTitle(), caption);
        QVERIFY(w.prompts->saveFilters.value(0).startsWith("JPEG Bitmap (JPG) (*.jpg);;TIFF Bitmap (TIF) (*.tif)"));
        // Save now finds no file of the bare name and asks again.
        w.frame.btnSave->click();
        QCOMPARE(w.prompts->proposedNames, QStringList({"beach", "beach"}));
    }

    void saveOfUntitledAsksForName() {
        Window w;
        w.frame.newPictureSequence(filled(4, 4, {1, 1, 1}), Document::kUntitled);
        w.prompts->saveAnswers.push_back(w.path("new.png"));
        w.frame.btnSave->click();
        QCOMPARE(w.prompts->proposedNames, QStringList({"Untitled"}));
        QCOMPARE(w.reread(w.path("new.png")), filled(4, 4, {1, 1, 1}));
        QCOMPARE(w.frame.windowTitle(), "Quillmount 1.1.1 - [" + w.path("new.png") + "]");
        QVERIFY(!QFile::exists(w.path("new.bak")));
    }

    void replaceQuestion() {
        Window w;
        w.open(w.write("a.png", filled(4, 4, {1, 1, 1})));
        const QString other = w.write("b.png", filled(2, 2, {9, 9, 9}));
        const QByteArray before = contents(other);
        w.prompts->saveAnswers.push_back(other);
        w.prompts->confirmAnswers.push_back(false);
        w.frame.Saveas1->trigger();
        QCOMPARE(w.prompts->confirmTitles, QStringList({"Confirm"}));
        QCOMPARE(w.prompts->confirmTexts, QStringList({other + " already exists.\nDo you want to replace it?"}));
        QCOMPARE(contents(other), before);
        QCOMPARE(w.name(), QString("a"));
        QCOMPARE(w.prompts->proposedNames.size(), 1);

        w.prompts->saveAnswers.push_back(other);
        w.prompts->confirmAnswers.push_back(true);
        w.frame.Saveas1->trigger();
        QCOMPARE(w.reread(other), filled(4, 4, {1, 1, 1}));
        QCOMPARE(w.name(), other);
        QVERIFY(!QFile::exists(w.path("b.bak")));
    }

    void unreadableFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", 18);
        QTest::newRow("not a picture") << QByteArray("just some words, not a picture\n");
        QTest::newRow("empty") << QByteArray();
    }
    void unreadableFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        Window w;
        const QString good = w.write("good.png", filled(6, 6, {5, 5, 5}));
        w.open(good);
        w.edit(filled(3, 3, {8, 8, 8}));
        const QString caption = w.frame.windowTitle();
        const QString broken = w.path("broken.png");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        w.open(broken);
        QCOMPARE(w.prompts->errors.size(), 1);
        QVERIFY2(w.prompts->errors[0].contains(broken), qPrintable(w.prompts->errors[0]));
        QVERIFY(w.prompts->errors[0].size() > broken.size() + 16);  // and says why
        QCOMPARE(w.frame.document().working(), filled(3, 3, {8, 8, 8}));
        QCOMPARE(w.name(), good);
        QCOMPARE(w.frame.windowTitle(), caption);
        QVERIFY(w.frame.document().canUndo() && w.frame.btnUndo->isEnabled());
    }

    void failedSaveLeavesOldFileAlone() {
        Window w;
        const QString beach = w.write("beach.jpg", filled(8, 8, {100, 100, 100}));
        const QByteArray before = contents(beach);
        w.open(beach);
        // Wider than any JPEG can be: the writer refuses it.
        w.edit(filled(kMaxSide, 2, {1, 1, 1}));
        w.frame.btnSave->click();
        QCOMPARE(w.prompts->errors.size(), 1);
        QVERIFY2(w.prompts->errors[0].contains(beach), qPrintable(w.prompts->errors[0]));
        QCOMPARE(contents(beach), before);
        QVERIFY(!QFile::exists(w.path("beach.bak")));
        QCOMPARE(QDir(w.folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void saveIntoReadOnlyFolderSaysWhy() {
        if (geteuid() == 0) QSKIP("permissions do not bind the super-user");
        Window w;
        const QString beach = w.write("beach.png", filled(8, 8, {1, 1, 1}));
        const QByteArray before = contents(beach);
        w.open(beach);
        w.edit(filled(2, 2, {3, 3, 3}));
        chmod(w.folder.path().toUtf8().constData(), 0555);
        w.frame.btnSave->click();
        chmod(w.folder.path().toUtf8().constData(), 0755);
        QCOMPARE(w.prompts->errors.size(), 1);
        QVERIFY(w.prompts->errors[0].contains("ermission"));
        QCOMPARE(contents(beach), before);
        QVERIFY(!QFile::exists(w.path("beach.bak")));
    }

    void saveAsToKindWithoutWriterWritesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown extension") << "picture.xyz";
        QTest::newRow("read-only format") << "picture.wmf";
        QTest::newRow("no extension") << "picture";
    }
    void saveAsToKindWithoutWriterWritesNothing() {
        QFETCH(QString, name);
        Window w;
        w.open(w.write("a.png", filled(4, 4, {1, 1, 1})));
        w.prompts->saveAnswers.push_back(w.path(name));
        w.frame.Saveas1->trigger();
        QCOMPARE(w.prompts->errors.size(), 1);
        QVERIFY2(w.prompts->errors[0].contains(w.path(name)), qPrintable(w.prompts->errors[0]));
        QVERIFY(!QFile::exists(w.path(name)));
        QCOMPARE(w.name(), QString("a"));
        QVERIFY(w.prompts->confirmTexts.isEmpty());
    }
};

}  // namespace qm

QTEST_MAIN(qm::FileCommandsTest)
#include "file_commands_test.moc"

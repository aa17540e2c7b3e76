#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "documents/new_image_dialog.h"
#include "scripted_prompts.h"

namespace qm {

class NewImageDialogTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dataDir_;

    // A window whose New dialog is answered by `user`.
    std::unique_ptr<TfFrame> frameAnswering(std::function<int(TNewImageForm&)> user, ScriptedPrompts** prompts) {
        auto scripted = std::make_unique<ScriptedPrompts>();
        scripted->onExec = [user](QDialog& dialog) { return user(static_cast<TNewImageForm&>(dialog)); };
        *prompts = scripted.get();
        return std::make_unique<TfFrame>(dataDir_.path().toStdString(), std::move(scripted));
    }

private slots:
    void opensWithItsDefaults() {
        TNewImageForm form;
        QCOMPARE(form.windowTitle(), QString("Create a New Image"));
        QCOMPARE(form.ComboBox1->count(), 18);
        QCOMPARE(form.ComboBox1->currentText(), QString("320 x 240 Pixels"));
        QCOMPARE(form.ComboBox5->currentText(), QString(" 1024 x 768"));
        QCOMPARE(form.Label5->text(), QString("320 x 240 Pixels"));
        QCOMPARE(form.Label2->text(), QString("225 kB"));
        QVERIFY(!form.Panel2->isEnabled());
        QVERIFY(form.BitBtn1->isEnabled());
        QVERIFY(form.Label6->isHidden());
        QCOMPARE(form.Image3->pixmap().size(), QSize(50, 37));
    }

    void standardSizeFollowsResolution() {
        TNewImageForm form;
        form.ComboBox1->setCurrentIndex(15);
        QCOMPARE(form.Label5->text(), QString("595 x 841 Pixels"));
        form.ComboBox4->setCurrentIndex(1);
        QCOMPARE(form.Label5->text(), QString("1512 x 2138 Pixels"));
        form.Edit3->setText("abc");  // not a number: 72
        QCOMPARE(form.Label5->text(), QString("1512 x 2138 Pixels"));
        form.Edit3->setText("10");
        QCOMPARE(form.Label5->text(), QString("210 x 297 Pixels"));
    }

    void customSizeStartsFromTheShownSize() {
        TNewImageForm form;
        form.ComboBox1->setCurrentIndex(8);
        form.RadioButton4->setChecked(true);
        QVERIFY(!form.ComboBox1->isEnabled());
        QCOMPARE(form.Edit1->text(), QString("1024"));
        QCOMPARE(form.Edit2->text(), QString("768"));
        QCOMPARE(form.Label5->text(), QString("1024 x 768 Pixels"));
        QVERIFY(form.Label6->isHidden());
        QCOMPARE(form.Image3->pixmap().size(), QSize(160, 120));
        form.Edit1->setText("1025");
        QVERIFY(!form.Label6->isHidden());
        form.SpeedButton56Click();
        QCOMPARE(form.Label5->text(), QString("768 x 1025 Pixels"));
    }

    void customInchesReadAFractionAsAHundred() {
        TNewImageForm form;
        form.RadioButton4->setChecked(true);
        form.ComboBox3->setCurrentIndex(1);  // Inches: takes effect at the next edit
        QCOMPARE(form.Label5->text(), QString("320 x 240 Pixels"));
        form.Edit2->setText("2");
        form.Edit1->setText("3.5");
        QCOMPARE(form.ImageWidth, 7200);
        QCOMPARE(form.ImageHeight, 144);
    }

    void impossibleSizesAreRefusedInTheDialog_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("problem");
        QTest::newRow("zero") << "0"
                              << "240"
                              << "at least 1 pixel";
        QTest::newRow("negative") << "320"
                                  << "-5"
                                  << "at least 1 pixel";
        QTest::newRow("too wide") << "70000"
                                  << "10"
                                  << "Too large";
        QTest::newRow("too many pixels") << "30000"
                                         << "30000"
                                         << "Too large";
    }
    void impossibleSizesAreRefusedInTheDialog() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, problem);
        TNewImageForm form;
        form.RadioButton4->setChecked(true);
        form.Edit1->setText(width);
        form.Edit2->setText(height);
        QVERIFY2(form.sizeProblemLabel->text().contains(problem), qPrintable(form.sizeProblemLabel->text()));
        QVERIFY(!form.BitBtn1->isEnabled());
        form.Edit1->setText("320");
        form.Edit2->setText("240");
        QVERIFY(form.sizeProblemLabel->text().isEmpty());
        QVERIFY(form.BitBtn1->isEnabled());
    }

    void canvasColours_data() {
        QTest::addColumn<int>("imageType");
        QTest::addColumn<bool>("second");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("white") << 0 << false << QColor(255, 255, 255);
        QTest::newRow("custom colour") << 0 << true << QColor(192, 220, 192);
        QTest::newRow("1 bit white") << 1 << false << QColor(255, 255, 255);
        QTest::newRow("1 bit black") << 1 << true << QColor(0, 0, 0);
    }
    void canvasColours() {
        QFETCH(int, imageType);
        QFETCH(bool, second);
        QFETCH(QColor, expected);
        ScriptedPrompts* prompts = nullptr;
        auto frame = frameAnswering(
            [&](TNewImageForm& form) {
                form.ComboBox2->setCurrentIndex(imageType);
                (second ? form.RadioButton2 : form.RadioButton1)->setChecked(true);
                form.ComboBox1->setCurrentIndex(0);
                return int(QDialog::Accepted);
            },
            &prompts);
        frame->New1Click();
        const Image& picture = frame->document().working();
        QCOMPARE(picture.width(), 32);
        QCOMPARE(picture.height(), 32);
        const Rgb corner = picture.at(31, 31);
        QCOMPARE(QColor(corner.r, corner.g, corner.b), expected);
        QVERIFY(frame->document().source() == picture);
        QCOMPARE(frame->windowTitle(), QString("Quillmount 1.1.1 - [Untitled]"));
        QVERIFY(frame->document().imageLoaded());
        QVERIFY(!frame->document().canUndo());
    }

    void blackAndWhiteRelabelsTheCanvasButton() {
        TNewImageForm form;
        form.ComboBox2->setCurrentIndex(1);
        QCOMPARE(form.RadioButton2->text(), QString("Black"));
        QVERIFY(form.Panel1->isHidden());
        QCOMPARE(form.Label2->text(), QString("9 kB"));
        form.ComboBox2->setCurrentIndex(0);
        QCOMPARE(form.RadioButton2->text(), QString("Custom color"));
    }

    void swatchTakesTheChosenColourOnlyWhenConfirmed() {
        TNewImageForm form;
        form.RadioButton2->setChecked(true);
        form.chooseColor = [](const QColor&) { return std::nullopt; };
        form.Panel1DblClick();
        QCOMPARE(form.FillColor, (Rgb{192, 220, 192}));
        form.chooseColor = [](const QColor&) { return QColor(10, 20, 30); };
        form.Panel1DblClick();
        QCOMPARE(form.FillColor, (Rgb{10, 20, 30}));
    }

    void cancelLeavesTheDocumentAlone() {
        ScriptedPrompts* prompts = nullptr;
        auto frame = frameAnswering(
            [](TNewImageForm& form) {
                form.ComboBox1->setCurrentIndex(0);
                return int(QDialog::Rejected);
            },
            &prompts);
        frame->newPictureSequence(Image(5, 4, {1, 2, 3}), "/photos/a.png");
        frame->document().saveUndoStep();
        const QString caption = frame->windowTitle();
        frame->New1Click();
        QVERIFY(frame->document().working() == Image(5, 4, {1, 2, 3}));
        QVERIFY(frame->document().canUndo());
        QCOMPARE(frame->windowTitle(), caption);
        QCOMPARE(frame->document().currentFileName(), std::string("/photos/a.png"));
    }

    void anImpossibleSizeThatGetsThroughIsRefusedWithAMessage() {
        ScriptedPrompts* prompts = nullptr;
        auto frame = frameAnswering(
            [](TNewImageForm& form) {
                form.ImageWidth = 0;  // as if OK had been pressed regardless
                return int(QDialog::Accepted);
            },
            &prompts);
        frame->New1Click();
        QVERIFY(!frame->document().imageLoaded());
        QCOMPARE(prompts->messages.size(), 1);
        QVERIFY(prompts->messages[0].contains("invalid size"));
    }
};

}  // namespace qm

QTEST_MAIN(qm::NewImageDialogTest)
#include "new_image_dialog_test.moc"

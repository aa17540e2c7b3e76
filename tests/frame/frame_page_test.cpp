#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "app/main_window.h"
#include "codecs/registry.h"
#include "frame/frame_page.h"
#include "mask/mask_page.h"
#include "tests/support/scripted_prompts.h"
#include "widgets/thumbnail_strip.h"

using qm::testing::ScriptedPrompts;

namespace qm {

namespace {

Image striped(int length, int thickness, std::uint8_t tone) {
    Image p(length, thickness);
    for (int y = 0; y < thickness; ++y)
        for (int x = 0; x < length; ++x) p.at(x, y) = {std::uint8_t(x), std::uint8_t(y), tone};
    return p;
}

// A data folder with two wood patterns, one gold pattern and an empty user
// folder, and a window over it showing the Frame page.
struct Window {
    QTemporaryDir folder;
    std::filesystem::path data = std::filesystem::path(folder.path().toStdString()) / "data";
    ScriptedPrompts* prompts = new ScriptedPrompts;
    std::unique_ptr<TfFrame> frame;

    Window() {
        writePattern("wood/b-oak.png", striped(60, 20, 1));
        writePattern("wood/a-pine.png", striped(40, 12, 2));
        writePattern("gold/gilt.png", striped(50, 30, 3));
        std::filesystem::create_directories(data / "frame/user");
        frame = std::make_unique<TfFrame>(data, std::unique_ptr<Prompts>(prompts));
        frame->PageControl1->setCurrentWidget(frame->FrameSheet);
    }
    std::filesystem::path writePattern(const std::string& name, const Image& pattern) {
        const auto path = data / "frame" / name;
        std::filesystem::create_directories(path.parent_path());
        codecs::writeImage(pattern, path);
        return path;
    }
    FramePage& page() { return *frame->FrameSheet; }
    void loadPicture(int width, int height) {
        frame->newPictureSequence(Image(width, height, {9, 9, 9}), "photo.png");
    }
    void chooseStyle(const QString& caption) { page().FrameComboBox->setCurrentText(caption); }
    QString boxes() { return page().OriginalWidth->text() + "/" + page().CustomWidth->text(); }
};

}  // namespace

class FramePageTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnWoodShowingTheFirstPatternsThickness() {
        Window w;
        QCOMPARE(w.page().FrameComboBox->currentText(), QString("Wood"));
        QCOMPARE(w.page().FrameComboBox->count(), 10);
        QCOMPARE(w.page().FrameMView->count(), 2);
        QCOMPARE(w.page().FramePatternFiles.front().filename().string(), std::string("a-pine.png"));
        QCOMPARE(w.page().FrameMView->selectedIndex(), 0);
        QCOMPARE(w.boxes(), QString("12/12"));
        QVERIFY(w.page().RadioButton4->isChecked());
        QVERIFY(w.page().RadioButton1->isChecked());
        QVERIFY(w.page().RadioButtonFrameInsideImage->isChecked());
        QVERIFY(!w.page().CheckBox1->isChecked());
    }

    void styleChangeKeepsTheBoxesUntilAThumbnailIsClicked() {
        Window w;
        w.page().CustomWidth->setText("33");
        w.chooseStyle("Gold");
        QCOMPARE(w.page().FrameMView->count(), 1);
        QCOMPARE(w.page().FrameMView->selectedIndex(), 0);
        QCOMPARE(w.boxes(), QString("12/33"));
        w.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frame.get()));
        QTest::mouseClick(w.page().FrameMView->viewport(), Qt::LeftButton, {},
                          w.page().FrameMView->entryRect(0).center());
        QCOMPARE(w.boxes(), QString("30/30"));
    }

    void applyFramesOutsideAsOneUndoableStep() {
        Window w;
        w.loadPicture(200, 150);
        w.page().FrameMView->setSelectedIndex(1);  // b-oak, 60 x 20
        w.page().RadioButtonFrameOutsideImage->setChecked(true);
        w.frame->btnApply->click();
        QCOMPARE(w.frame->document().working().width(), 240);
        QCOMPARE(w.frame->document().working().height(), 190);
        QCOMPARE(w.frame->statusPanels[1]->text(), QString("240x190"));
        QVERIFY(w.frame->btnUndo->isEnabled());
        QVERIFY(w.prompts->errors.isEmpty());
        w.frame->UndoMenuClick();
        QCOMPARE(w.frame->document().working().width(), 200);
    }

    void customThicknessAndHalfTurnReachTheBuilder() {
        Window w;
        w.loadPicture(100, 80);
        w.page().RadioButton2->setChecked(true);
        w.page().CustomWidth->setText("-30");
        w.page().CheckBox1->setChecked(true);
        w.page().RadioButtonFrameOutsideImage->setChecked(true);
        w.frame->btnApply->click();
        QCOMPARE(w.frame->document().working().width(), 160);
    }

    void missingUserFileShowsTheMessageAndKeepsThePicture() {
        Window w;
        w.loadPicture(50, 40);
        w.page().RadioButton3->setChecked(true);
        for (const QString& path : {QString(), QString("/no/such/frame.png")}) {
            w.page().BackFileName->setText(path);
            w.frame->btnApply->click();
            QCOMPARE(w.prompts->errors.size(), 1);
            QCOMPARE(w.prompts->errors.takeFirst(), "The file: " + path + "\ndoes not exist.");
            QCOMPARE(w.frame->document().working().width(), 50);
            QVERIFY(w.frame->document().canUndo());
        }
    }

    void patternThatDoesNotDecodeIsNamed() {
        Window w;
        const auto broken = w.data / "frame/user/broken.png";
        std::ofstream(broken) << "not a picture";
        w.chooseStyle("User defined");
        w.loadPicture(50, 40);
        w.frame->btnApply->click();
        QCOMPARE(w.prompts->errors.size(), 1);
        QVERIFY(w.prompts->errors[0].startsWith(
            QString::fromStdString("The file: " + broken.string() + "\ncould not be read as a picture")));
        QCOMPARE(w.frame->document().working().width(), 50);
    }

    void emptyStyleOrVanishedPatternStopsSilently() {
        Window w;
        w.loadPicture(50, 40);
        w.chooseStyle("User defined");
        QCOMPARE(w.page().FrameMView->count(), 0);
        w.frame->btnApply->click();
        w.chooseStyle("Gold");
        std::filesystem::remove(w.data / "frame/gold/gilt.png");
        w.frame->btnApply->click();
        QVERIFY(w.prompts->errors.isEmpty());
        QCOMPARE(w.frame->document().working().width(), 50);
        QVERIFY(w.frame->document().canUndo());  // the step taken before the stop
    }

    void maskPageWithoutMaskChangesNothing() {
        Window w;
        w.loadPicture(50, 40);
        w.frame->PageControl1->setCurrentWidget(w.frame->MaskSheet);
        w.frame->btnApply->click();
        QCOMPARE(w.frame->document().working().width(), 50);
        QVERIFY(w.prompts->errors.isEmpty());
    }

    void pickingAFileFillsTheBoxesButKeepsTheSource() {
        Window w;
        const auto file = w.writePattern("elsewhere.png", striped(100, 24, 4));
        w.prompts->openAnswers.push_back(QString::fromStdString(file.string()));
        w.page().btBackFileName->click();
        QCOMPARE(w.page().BackFileName->text().toStdString(), file.string());
        QCOMPARE(w.page().BackFileName->toolTip().toStdString(), file.string());
        QCOMPARE(w.boxes(), QString("24/24"));
        QVERIFY(w.page().RadioButton4->isChecked());
        QVERIFY(w.prompts->openFilters.front().contains("*.png"));

        w.page().BackFileName->setText("typed.png");
        w.page().btBackFileName->click();  // cancelled
        QCOMPARE(w.page().BackFileName->text(), QString("typed.png"));
    }
};

}  // namespace qm

QTEST_MAIN(qm::FramePageTest)
#include "frame_page_test.moc"

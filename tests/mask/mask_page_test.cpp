#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/main_window.h"
#include "codecs/registry.h"
#include "mask/mask_page.h"
#include "tests/support/scripted_prompts.h"
#include "widgets/color_button.h"
#include "widgets/thumbnail_strip.h"

namespace qm {

namespace fs = std::filesystem;

namespace {

void touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path).put('x');
}

void writeGrey(const fs::path& path, int width, int height, std::uint8_t level) {
    fs::create_directories(path.parent_path());
    codecs::writeImage(Image(width, height, {level, level, level}), path);
}

std::vector<std::string> names(const std::vector<fs::path>& files) {
    std::vector<std::string> out;
    for (const auto& f : files) out.push_back(f.filename().string());
    return out;
}

}  // namespace

class MaskPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> temp_;
    fs::path data_;

    struct Window {
        testing::ScriptedPrompts* prompts;
        std::unique_ptr<TfFrame> frame;
        MaskPage& page() { return *frame->MaskSheet; }
    };
    Window openWindow() {
        auto prompts = std::make_unique<testing::ScriptedPrompts>();
        auto* raw = prompts.get();
        auto frame = std::make_unique<TfFrame>(data_, std::move(prompts));
        frame->PageControl1->setCurrentWidget(frame->MaskSheet);
        return {raw, std::move(frame)};
    }

private slots:
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        data_ = fs::path(temp_->path().toStdString()) / "data";
        fs::create_directories(data_);
    }

    void listsOnlyPlainPicturesInNaturalOrder() {
        const fs::path rect = data_ / "mask" / "rect";
        for (const char* name : {"SQUARE.JPG", "b10.png", "b2.gif", "a.bmp", "square.jpeg", "square.tif", ".y.png"})
            touch(rect / name);
        fs::create_directories(rect / "x.png");
        MaskPage page(data_);
        page.MaskComboBoxChange();
        QCOMPARE(names(page.MaskFiles), (std::vector<std::string>{"a.bmp", "b2.gif", "b10.png", "SQUARE.JPG"}));
        QCOMPARE(page.MaskMView->count(), 4);
        QCOMPARE(page.MaskMView->fileName(3), rect / "SQUARE.JPG");
        QCOMPARE(page.MaskMView->selectedIndex(), 0);
    }

    void switchingStyleBackSelectsTheFirstMaskAgain() {
        for (const char* name : {"r1.png", "r2.png", "r3.png"}) touch(data_ / "mask" / "rect" / name);
        touch(data_ / "mask" / "oval" / "o1.png");
        MaskPage page(data_);
        page.MaskComboBoxChange();
        page.MaskMView->setSelectedIndex(2);
        QCOMPARE(page.selectedMaskFile(), data_ / "mask" / "rect" / "r3.png");
        page.MaskComboBox->setCurrentIndex(1);
        QCOMPARE(names(page.MaskFiles), (std::vector<std::string>{"o1.png"}));
        page.MaskComboBox->setCurrentIndex(0);
        QCOMPARE(page.MaskFiles.size(), std::size_t(3));
        QCOMPARE(page.selectedMaskFile(), data_ / "mask" / "rect" / "r1.png");
    }

    void missingFoldersGiveEmptyStripsAndNoSelection() {
        MaskPage page(data_);
        page.MaskComboBoxChange();
        page.LoadTextureCollection();
        QCOMPARE(page.MaskMView->count(), 0);
        QVERIFY(!page.selectedMaskFile());
        QCOMPARE(page.TextureMView->count(), 0);
        QVERIFY(!page.maskOptions().texture);
    }

    void texturesAreListedAndTheSelectedOneIsRead() {
        for (const char* name : {"t1.png", "t2.png"}) touch(data_ / "textures" / name);
        MaskPage page(data_);
        page.LoadTextureCollection();
        QCOMPARE(page.TextureMView->count(), 2);
        QCOMPARE(page.maskOptions().texture, data_ / "textures" / "t1.png");
        page.TextureMView->setSelectedIndex(1);
        QCOMPARE(page.maskOptions().texture, data_ / "textures" / "t2.png");
    }

    void initialStateReadsAsTheBuildDefaults() {
        MaskPage page(data_);
        const MaskOptions o = page.maskOptions();
        const MaskOptions defaults;
        QCOMPARE(o.opacity, defaults.opacity);
        QCOMPARE(o.invertMask, defaults.invertMask);
        QVERIFY(o.background == MaskBackground::Gradient);
        QVERIFY(o.gradient == GradientDirection::Vertical);
        QCOMPARE(o.startColor, ColorChoice::of({255, 255, 255}));
        QVERIFY(o.endColor.automatic && o.backColor.automatic);
        QCOMPARE(o.backgroundFile, std::string());

        page.TrackBar6->setValue(37);
        page.CheckBox2->setChecked(true);
        page.PageControl2->setCurrentWidget(page.Back_Color);
        page.GradientComboBox->setCurrentIndex(1);
        page.BackColor->setChoice(ColorChoice::of({1, 2, 3}));
        const MaskOptions changed = page.maskOptions();
        QCOMPARE(changed.opacity, 37);
        QVERIFY(changed.invertMask);
        QVERIFY(changed.background == MaskBackground::Color);
        QVERIFY(changed.gradient == GradientDirection::Horizontal);
        QCOMPARE(changed.backColor, ColorChoice::of({1, 2, 3}));
    }

    void backgroundFileButtonSetsPathAndHintAndCancelKeepsThem() {
        Window w = openWindow();
        w.prompts->openAnswers = {QString("/pictures/sky.png"), QString()};
        w.page().btBackFileName2Click();
        QCOMPARE(w.page().BackFileName2->text(), QString("/pictures/sky.png"));
        QCOMPARE(w.page().BackFileName2->toolTip(), QString("/pictures/sky.png"));
        w.page().btBackFileName2Click();
        QCOMPARE(w.page().BackFileName2->text(), QString("/pictures/sky.png"));
        QCOMPARE(w.prompts->openFilters.size(), 2);
    }

    void applyWithoutMasksKeepsThePictureAndOffersUndo() {
        Window w = openWindow();
        w.frame->newPictureSequence(Image(6, 4, {9, 8, 7}), "x.png");
        w.frame->btnApplyClick();
        QCOMPARE(w.frame->document().working(), Image(6, 4, {9, 8, 7}));
        QVERIFY(w.frame->document().canUndo());
        QVERIFY(w.frame->UndoMenu->isEnabled());
        QVERIFY(w.prompts->errors.isEmpty());
    }

    // A black mask shows the whole background; the "File" page with an empty
    // path reports it and the scaled mask (white after inversion) is used.
    void applyWithMissingBackgroundFileReportsAndUsesTheMask() {
        writeGrey(data_ / "mask" / "rect" / "black.png", 3, 3, 0);
        Window w = openWindow();
        w.page().PageControl2->setCurrentWidget(w.page().Back_File);
        w.frame->newPictureSequence(Image(8, 5, {9, 8, 7}), "x.png");
        w.frame->btnApplyClick();
        QCOMPARE(w.prompts->errors, QStringList{"The file: \ndoes not exist."});
        QCOMPARE(w.frame->document().working(), Image(8, 5, {255, 255, 255}));
    }

    void applyWithUndecodableMaskNamesItAndKeepsThePicture() {
        const fs::path broken = data_ / "mask" / "rect" / "png-that-is-text.png";
        touch(broken);
        Window w = openWindow();
        w.frame->newPictureSequence(Image(4, 4, {1, 2, 3}), "x.png");
        w.frame->btnApplyClick();
        QCOMPARE(w.prompts->errors.size(), 1);
        QVERIFY2(w.prompts->errors[0].startsWith("The file: " + QString::fromStdString(broken.string()) + "\n"),
                 qPrintable(w.prompts->errors[0]));
        QCOMPARE(w.frame->document().working(), Image(4, 4, {1, 2, 3}));
        QVERIFY(w.frame->document().canUndo());
    }

    void applyBlendsTheGradientThroughTheMask() {
        writeGrey(data_ / "mask" / "oval" / "black.png", 2, 2, 0);
        Window w = openWindow();
        w.page().MaskComboBox->setCurrentIndex(1);
        w.page().TrackBar6->setValue(50);
        w.frame->newPictureSequence(Image(2, 100, {0, 0, 0}), "x.png");
        w.frame->btnApplyClick();
        const Image& result = w.frame->document().working();
        // Alpha 127 everywhere: white over black gives 127, black stays 0.
        QCOMPARE(result.at(1, 0), (Rgb{127, 127, 127}));
        QCOMPARE(result.at(1, 99), (Rgb{0, 0, 0}));
        QVERIFY(w.prompts->errors.isEmpty());
    }
};

}  // namespace qm

QTEST_MAIN(qm::MaskPageTest)
#include "mask_page_test.moc"

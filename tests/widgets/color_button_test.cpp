#include <QColor>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <set>

#include "widgets/color_button.h"

namespace qm {

// Answers "Other Colors..." without a modal dialog.
class ScriptedColorButton : public ColorButton {
public:
    std::optional<QColor> answer;
    QColor askedWith;

protected:
    std::optional<QColor> askOtherColor(const QColor& initial) override {
        askedWith = initial;
        return answer;
    }
};

QToolButton* entry(QWidget* container, const QString& textOrName) {
    for (auto* button : container->findChildren<QToolButton*>())
        if (button->text() == textOrName || button->toolTip() == textOrName) return button;
    return nullptr;
}

class ColorButtonTest : public QObject {
    Q_OBJECT
private slots:
    void startsAutomaticReadAsBlack() {
        ColorButton button;
        QVERIFY(button.choice().automatic);
        QCOMPARE(button.choice().resolved(), (Rgb{0, 0, 0}));
    }

    void officePaletteHasFortyDistinctColoursFromBlackToWhite() {
        const auto colours = officeColors();
        QCOMPARE(colours.size(), std::size_t(40));
        std::set<std::tuple<int, int, int>> distinct;
        for (const NamedColor& c : colours) distinct.insert({c.rgb.r, c.rgb.g, c.rgb.b});
        QCOMPARE(distinct.size(), std::size_t(40));
        QCOMPARE(colours.front().rgb, (Rgb{0, 0, 0}));
        QCOMPARE(colours.back().rgb, (Rgb{255, 255, 255}));
    }

    void clickDropsThePaletteAndAPickSetsTheChoice() {
        ColorButton button;
        button.show();
        QSignalSpy changed(&button, &ColorButton::choiceChanged);
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(button.dropDown() && button.dropDown()->isVisible());

        QToolButton* red = entry(button.dropDown(), "Red");
        QVERIFY(red);
        red->click();
        QCOMPARE(button.choice(), ColorChoice::of({255, 0, 0}));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!button.dropDown()->isVisible());

        button.showPalette();
        QVERIFY(entry(button.dropDown(), "Red")->isChecked());
        entry(button.dropDown(), "Automatic")->click();
        QVERIFY(button.choice().automatic);
        QVERIFY(!entry(button.dropDown(), "Red")->isChecked());
    }

    void otherColorsAsksFromTheCurrentColourAndCancelKeepsIt() {
        ScriptedColorButton button;
        button.setChoice(ColorChoice::of({10, 20, 30}));
        button.showPalette();
        entry(button.dropDown(), "Other Colors...")->click();
        QCOMPARE(button.askedWith, QColor(10, 20, 30));
        QCOMPARE(button.choice(), ColorChoice::of({10, 20, 30}));

        button.answer = QColor(1, 2, 3);
        button.showPalette();
        entry(button.dropDown(), "Other Colors...")->click();
        QCOMPARE(button.choice(), ColorChoice::of({1, 2, 3}));
    }

    void tornOffPaletteFloatsAsColorWindowAndStaysOpen() {
        ColorButton button;
        button.show();
        button.showPalette();
        QWidget* bar = nullptr;
        for (auto* w : button.dropDown()->findChildren<QWidget*>())
            if (w->toolTip() == "Drag to float") bar = w;
        QVERIFY(bar);
        QTest::mouseClick(bar, Qt::LeftButton);
        QWidget* window = button.colorWindow();
        QVERIFY(window && window->isWindow() && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Color Window"));
        QVERIFY(!button.dropDown()->isVisible());

        entry(window, "Blue")->click();
        QCOMPARE(button.choice(), ColorChoice::of({0, 0, 255}));
        QVERIFY(window->isVisible());
        // The drop-down follows choices made in the floating window.
        button.showPalette();
        QVERIFY(entry(button.dropDown(), "Blue")->isChecked());
    }
};

}  // namespace qm

QTEST_MAIN(qm::ColorButtonTest)
#include "color_button_test.moc"

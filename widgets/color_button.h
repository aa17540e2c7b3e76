#pragma once
#include <QToolButton>
#include <optional>
#include <span>
#include <vector>

#include "core/color_choice.h"

class QColor;

namespace qm {

struct NamedColor {
    const char* name;
    Rgb rgb;
};

// The usual office colours, five rows of eight, dark to light.
std::span<const NamedColor> officeColors();

// The panel a colour button drops down: "Automatic", the office colours and
// "Other Colors...", optionally under a bar that tears the panel off.
class ColorPalette : public QWidget {
    Q_OBJECT
public:
    enum class TearOff { Offered, NotOffered };
    explicit ColorPalette(TearOff tearOff, QWidget* parent = nullptr);

    // Marks the entry that shows `current` (none when it is not listed).
    void showCurrent(ColorChoice current);

signals:
    void picked(qm::ColorChoice choice);
    void otherColorsRequested();
    void tearOffRequested();

private:
    QToolButton* automatic_ = nullptr;
    std::vector<QToolButton*> cells_;
};

// A drop-down colour button: "Automatic", a palette of the usual office
// colours, and "Other Colors..." opening the colour dialog. The palette can
// be torn off into a floating "Color Window", which stays open and keeps
// setting this button's colour.
class ColorButton : public QToolButton {
    Q_OBJECT
public:
    explicit ColorButton(QWidget* parent = nullptr);
    ~ColorButton() override;
    ColorChoice choice() const { return choice_; }
    void setChoice(ColorChoice choice);

    // What a click does: drops the palette down under the button.
    void showPalette();
    // Floats the palette as the "Color Window" (created on first use).
    void tearOffPalette();
    // The dropped-down panel and the floating window; null until first shown.
    QWidget* dropDown() const { return dropDown_; }
    QWidget* colorWindow() const { return colorWindow_; }

    QSize sizeHint() const override;

signals:
    void choiceChanged(qm::ColorChoice choice);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Runs the colour dialog; none when cancelled.
    virtual std::optional<QColor> askOtherColor(const QColor& initial);

private:
    void pick(ColorChoice choice);
    void otherColors();
    ColorPalette* makePalette(ColorPalette::TearOff tearOff, QWidget* parent);

    ColorChoice choice_;
    QWidget* dropDown_ = nullptr;
    QWidget* colorWindow_ = nullptr;
    std::vector<ColorPalette*> palettes_;
};

}  // namespace qm

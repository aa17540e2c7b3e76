#include "widgets/color_button.h"

#include <QColorDialog>
#include <QPixmap>

namespace qm {

ColorButton::ColorButton(QWidget* parent) : QToolButton(parent) {
    connect(this, &QToolButton::clicked, this, [this] {
        const Rgb c = choice_.resolved();
        const QColor picked = QColorDialog::getColor(QColor(c.r, c.g, c.b), this);
        if (picked.isValid())
            setChoice(ColorChoice::of({std::uint8_t(picked.red()), std::uint8_t(picked.green()),
                                       std::uint8_t(picked.blue())}));
    });
    updateSwatch();
}

void ColorButton::setChoice(ColorChoice choice) {
    choice_ = choice;
    updateSwatch();
    emit choiceChanged(choice_);
}

void ColorButton::updateSwatch() {
    QPixmap swatch(16, 16);
    const Rgb c = choice_.resolved();
    swatch.fill(QColor(c.r, c.g, c.b));
    setIcon(swatch);
}

}  // namespace qm

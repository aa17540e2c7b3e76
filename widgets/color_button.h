#pragma once
#include <QToolButton>

#include "core/color_choice.h"

namespace qm {

// A drop-down colour button: "Automatic", a palette of the usual office
// colours, and "Other Colors..." opening the colour dialog. The palette can
// be torn off into a floating "Color Window".
class ColorButton : public QToolButton {
    Q_OBJECT
public:
    explicit ColorButton(QWidget* parent = nullptr);
    ColorChoice choice() const { return choice_; }
    void setChoice(ColorChoice choice);

signals:
    void choiceChanged(qm::ColorChoice choice);

private:
    void updateSwatch();
    ColorChoice choice_;
};

}  // namespace qm

#include "tools/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qm {

UpDown::UpDown(QLineEdit* associate, int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent), associate_(associate), minimum_(minimum), maximum_(maximum), lastPosition_(position) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(17, 11);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, delta = delta] { step(delta); });
    }
    setPosition(position);
}

int UpDown::position() const {
    bool ok = false;
    const int typed = associate_->text().trimmed().toInt(&ok);
    return ok && typed >= minimum_ && typed <= maximum_ ? typed : lastPosition_;
}

void UpDown::setPosition(int position) {
    lastPosition_ = std::clamp(position, minimum_, maximum_);
    const QString text = QString::number(lastPosition_);
    if (associate_->text() != text) associate_->setText(text);
}

void UpDown::step(int delta) { setPosition(position() + delta); }

}  // namespace qm

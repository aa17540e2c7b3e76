#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace qm {

// A pair of arrow buttons attached to an edit. The range bounds only the
// arrows: the edit itself takes any text. An arrow steps from the edit's
// number (when it is a whole number in range) and rewrites the edit.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* associate, int minimum, int maximum, int position, QWidget* parent = nullptr);

    int position() const;
    // Clamped to the range; rewrites the edit's text.
    void setPosition(int position);
    void step(int delta);

private:
    QLineEdit* associate_;
    int minimum_, maximum_;
    int lastPosition_;
};

}  // namespace qm

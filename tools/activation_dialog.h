#pragma once
#include <QDialog>

namespace qm {

// A dialog that refills itself whenever it becomes the active window. The
// one exception is coming back from a dialog it opened itself (a colour
// dialog): what was picked there must not be thrown away.
class ActivationDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    virtual void FormActivate() = 0;

protected:
    bool event(QEvent* event) override;

private:
    bool returningFromOwnDialog_ = false;
};

}  // namespace qm

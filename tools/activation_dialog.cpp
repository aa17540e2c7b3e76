#include "tools/activation_dialog.h"

#include <QApplication>
#include <QEvent>

namespace qm {

bool ActivationDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        // Another modal window on top of this one was opened from here;
        // switching to another program leaves this one the modal window.
        QWidget* modal = QApplication::activeModalWidget();
        returningFromOwnDialog_ = modal && modal != this;
    } else if (event->type() == QEvent::WindowActivate) {
        if (!returningFromOwnDialog_) FormActivate();
        returningFromOwnDialog_ = false;
    }
    return QDialog::event(event);
}

}  // namespace qm

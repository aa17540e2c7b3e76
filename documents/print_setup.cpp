#include "documents/print_setup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "app/prompts.h"

namespace qm {

QPrinter& currentPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

void showPrintSetup(QWidget* parent, Prompts& prompts, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Setup");
    // Choosing the printer and its paper is all this dialog is for.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // It only chooses; the print itself starts from the print dialog.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (auto* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
    prompts.exec(dialog);
}

}  // namespace qm

#include "documents/print_setup.h"

#include <QPrintDialog>
#include <QPrinter>

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
    prompts.exec(dialog);
}

}  // namespace qm

#include "documents/print_setup.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "app/prompts.h"

namespace qm {

QPrinter& currentPrinter() {
    static QPrinter* printer = nullptr;
    if (!printer) {
        printer = new QPrinter(QPrinter::HighResolution);
        // Gone with the application, while the print support it uses is still there.
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
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

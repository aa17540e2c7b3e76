#pragma once

class QPrinter;
class QWidget;

namespace qm {

class Prompts;

// The printer every print goes to, chosen in Print Setup; it lives for the
// whole run. Without any printer installed it prints to a PDF file.
QPrinter& currentPrinter();

// Lets the user choose the printer and its settings; they apply only when
// confirmed.
void showPrintSetup(QWidget* parent, Prompts& prompts, QPrinter& printer);

}  // namespace qm

#pragma once
#include <QDialog>
#include <QImage>

#include "documents/print_layout.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPainter;
class QPrintPreviewWidget;
class QPrinter;
class QRadioButton;

namespace qm {

class Prompts;

// The print dialog: a preview of the page, the margins, the position and the
// size of the picture on it, the printer setup, and Print.
class PrintPictureDialog : public QDialog {
    Q_OBJECT
public:
    PrintPictureDialog(QImage picture, QPrinter& printer, Prompts& prompts, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    const PrintLayout& printLayout() const { return layout_; }

    // Prints the page as previewed; a printer that writes a PDF file without
    // a name asks for one first. Closes the dialog once printed.
    void printPicture();
    void setPrintLayout(const PrintLayout& layout);

    QPrintPreviewWidget* preview = nullptr;
    QDoubleSpinBox *marginLeft = nullptr, *marginTop = nullptr, *marginRight = nullptr, *marginBottom = nullptr;
    QComboBox *horizontalPosition = nullptr, *verticalPosition = nullptr;
    QRadioButton *fitToPage = nullptr, *originalSize = nullptr, *customSize = nullptr;
    QDoubleSpinBox *pixelsPerInch = nullptr, *customWidth = nullptr, *customHeight = nullptr;
    QCheckBox* keepProportions = nullptr;
    QLabel* printerName = nullptr;

private:
    QWidget* buildSettings();
    QWidget* buildMarginsGroup();
    QWidget* buildPositionGroup();
    QWidget* buildSizeGroup();
    void readSettings();
    void showSettings();
    void customWidthChanged();
    void printerSetup();
    void showPrinterName();
    void paintPage(QPrinter* printer);

    QImage picture_;
    QPrinter& printer_;
    Prompts& prompts_;
    PrintLayout layout_;
    bool showingSettings_ = false;
};

}  // namespace qm

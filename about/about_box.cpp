#include "about/about_box.h"

namespace qm {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) { setWindowTitle("About"); }

}  // namespace qm

#include "tools/shadow_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/edit_value.h"
#include "tools/up_down.h"
#include "widgets/color_button.h"

namespace qm {

Tform_shadow::Tform_shadow(QWidget* parent) : QDialog(parent) {
    setObjectName("form_shadow");
    setWindowTitle("Add a drop shadow");
    setFixedSize(352, 176);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(GroupBox1);
    const auto addValue = [&](int row, const char* label, QLineEdit*& edit, UpDown*& upDown, const char* editName,
                              const char* upDownName, int minimum, int maximum) {
        grid->addWidget(new QLabel(label, GroupBox1), row, 0);
        edit = new QLineEdit(GroupBox1);
        edit->setObjectName(editName);
        edit->setFixedWidth(50);
        grid->addWidget(edit, row, 1);
        upDown = new UpDown(edit, minimum, maximum, 3, GroupBox1);
        upDown->setObjectName(upDownName);
        grid->addWidget(upDown, row, 2, Qt::AlignLeft);
    };
    addValue(0, "Radius", Edit5, UpDown4, "Edit5", "UpDown4", 1, 50);
    addValue(1, "Horiz Offset", Edit6, UpDown5, "Edit6", "UpDown5", -30, 30);
    addValue(2, "Vert Offset", Edit7, UpDown6, "Edit7", "UpDown6", -30, 30);
    grid->addWidget(new QLabel("Shadow color", GroupBox1), 3, 0);
    ShadowColor = new ColorButton(GroupBox1);
    ShadowColor->setObjectName("ShadowColor");
    ShadowColor->setToolTip("Shadow color");
    grid->addWidget(ShadowColor, 3, 1, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(3, 1);

    JvXPButton1 = new QPushButton("OK", this);
    JvXPButton1->setObjectName("JvXPButton1");
    JvXPButton1->setDefault(true);
    JvXPButton2 = new QPushButton("Cancel", this);
    JvXPButton2->setObjectName("JvXPButton2");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(JvXPButton1);
    buttons->addWidget(JvXPButton2);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(buttons);

    connect(JvXPButton1, &QPushButton::clicked, this, &QDialog::accept);
    connect(JvXPButton2, &QPushButton::clicked, this, &QDialog::reject);
}

int Tform_shadow::offsetX() const { return editInteger(Edit6->text(), 0); }
int Tform_shadow::offsetY() const { return editInteger(Edit7->text(), 0); }
Rgb Tform_shadow::colour() const { return ShadowColor->choice().resolved(); }

}  // namespace qm

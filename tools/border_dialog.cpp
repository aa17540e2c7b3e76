#include "tools/border_dialog.h"

#include <QCheckBox>
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

namespace {

// A labelled width edit with its arrows, as one cell of the group box.
QWidget* widthCell(QWidget* parent, const char* label, QLineEdit*& edit, UpDown*& upDown, const char* editName,
                   const char* upDownName) {
    auto* cell = new QWidget(parent);
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(label, cell));
    edit = new QLineEdit(cell);
    edit->setObjectName(editName);
    edit->setFixedWidth(40);
    layout->addWidget(edit);
    upDown = new UpDown(edit, 0, 100, 2, cell);
    upDown->setObjectName(upDownName);
    layout->addWidget(upDown);
    return cell;
}

}  // namespace

Tform_border::Tform_border(QWidget* parent) : QDialog(parent) {
    setObjectName("form_border");
    setWindowTitle("Add a border");
    setFixedSize(352, 250);

    GroupBox1 = new QGroupBox(" Size in Pixels ", this);
    GroupBox1->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(widthCell(GroupBox1, "Top:", Edit8, UpDown7, "Edit8", "UpDown7"), 0, 1, Qt::AlignCenter);
    grid->addWidget(widthCell(GroupBox1, "Left:", Edit9, UpDown8, "Edit9", "UpDown8"), 1, 0, Qt::AlignCenter);
    grid->addWidget(widthCell(GroupBox1, "Right:", Edit10, UpDown9, "Edit10", "UpDown9"), 1, 2, Qt::AlignCenter);
    grid->addWidget(widthCell(GroupBox1, "Bottom:", Edit11, UpDown10, "Edit11", "UpDown10"), 2, 1, Qt::AlignCenter);
    BorderColor = new ColorButton(GroupBox1);
    BorderColor->setObjectName("BorderColor");
    BorderColor->setToolTip("Border color");
    grid->addWidget(BorderColor, 1, 1, Qt::AlignCenter);

    CheckBox1 = new QCheckBox("symmetric", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox2 = new QCheckBox("border outside image", this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setChecked(true);
    JvXPButton1 = new QPushButton("OK", this);
    JvXPButton1->setObjectName("JvXPButton1");
    JvXPButton1->setDefault(true);
    JvXPButton2 = new QPushButton("Cancel", this);
    JvXPButton2->setObjectName("JvXPButton2");

    auto* options = new QVBoxLayout;
    options->addWidget(CheckBox1);
    options->addWidget(CheckBox2);
    auto* lower = new QHBoxLayout;
    lower->addLayout(options);
    lower->addStretch();
    lower->addWidget(JvXPButton1, 0, Qt::AlignBottom);
    lower->addWidget(JvXPButton2, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(lower);

    connect(JvXPButton1, &QPushButton::clicked, this, &QDialog::accept);
    connect(JvXPButton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    for (QLineEdit* edit : {Edit8, Edit9, Edit10, Edit11})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { Edit8Change(edit); });
}

void Tform_border::CheckBox1Click() {
    if (!CheckBox1->isChecked()) return;
    for (UpDown* upDown : {UpDown8, UpDown9, UpDown10}) upDown->setPosition(UpDown7->position());
}

void Tform_border::Edit8Change(QLineEdit* sender) {
    if (!CheckBox1->isChecked()) return;
    const QString text = sender->text();
    // Only edits that differ are written, so the re-entered runs end once
    // all four agree.
    for (QLineEdit* edit : {Edit8, Edit9, Edit10, Edit11})
        if (edit->text() != text) edit->setText(text);
}

BorderWidths Tform_border::widths() const {
    return {editInteger(Edit8->text(), 0), editInteger(Edit9->text(), 0), editInteger(Edit11->text(), 0),
            editInteger(Edit10->text(), 0)};
}

Rgb Tform_border::colour() const { return BorderColor->choice().resolved(); }
bool Tform_border::outside() const { return CheckBox2->isChecked(); }

}  // namespace qm

#include "tools/image_size_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/edit_value.h"
#include "tools/image_size_math.h"
#include "tools/read_only_edit.h"

namespace qm {

namespace {

QLineEdit* sizeEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(56);
    return edit;
}

}  // namespace

TfImageSize::TfImageSize(int referenceWidth, int referenceHeight, QWidget* parent)
    : ActivationDialog(parent), referenceWidth_(referenceWidth), referenceHeight_(referenceHeight) {
    setObjectName("fImageSize");
    setWindowTitle("Image Size");
    setFixedSize(399, 188);

    GroupBox101 = new QGroupBox(" Image size ", this);
    GroupBox101->setObjectName("GroupBox101");
    GroupBox101->setFixedWidth(228);
    auto* grid = new QGridLayout(GroupBox101);
    grid->setHorizontalSpacing(4);
    auto* current = new QLabel("Current", GroupBox101);
    current->setToolTip("Old value");
    grid->addWidget(current, 0, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(new QLabel("New", GroupBox101), 0, 2, Qt::AlignHCenter | Qt::AlignBottom);
    Edit101 = readOnlyEdit(GroupBox101, "Edit101");
    Edit102 = readOnlyEdit(GroupBox101, "Edit102");
    EditW = sizeEdit(GroupBox101, "EditW");
    EditH = sizeEdit(GroupBox101, "EditH");
    Edit103 = readOnlyEdit(GroupBox101, "Edit103");
    Edit104 = readOnlyEdit(GroupBox101, "Edit104");
    const struct { const char* label; QLineEdit *current, *edit, *percent; } rows[] = {
        {"Width:", Edit101, EditW, Edit103}, {"Height:", Edit102, EditH, Edit104}};
    int row = 1;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(r.label, GroupBox101), row, 0);
        r.current->setFixedWidth(40);
        grid->addWidget(r.current, row, 1);
        grid->addWidget(r.edit, row, 2);
        r.percent->setFixedWidth(30);
        grid->addWidget(r.percent, row, 3);
        grid->addWidget(new QLabel("%", GroupBox101), row, 4);
        ++row;
    }
    CheckBox101 = new QCheckBox("Maintain aspect ratio", GroupBox101);
    CheckBox101->setObjectName("CheckBox101");
    CheckBox101->setChecked(true);
    grid->addWidget(CheckBox101, row, 0, 1, 5);

    GroupBox102 = new QGroupBox(" Resample filter ", this);
    GroupBox102->setObjectName("GroupBox102");
    ComboBox102 = new QComboBox(GroupBox102);
    ComboBox102->setObjectName("ComboBox102");
    ComboBox102->addItems({" None", " Triangle", " Hermite", " Bell", " BSpline", " Lanczos3", " Mitchell",
                           " Nearest", " Linear", " FastLinear"});
    ComboBox102->setMaxVisibleItems(10);
    (new QVBoxLayout(GroupBox102))->addWidget(ComboBox102);

    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    auto* side = new QVBoxLayout;
    side->addWidget(GroupBox102);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox101);
    layout->addLayout(side);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(EditW, &QLineEdit::textChanged, this, [this] { SizeChange(); });
    connect(EditH, &QLineEdit::textChanged, this, [this] { SizeChange(); });
    EditW->installEventFilter(this);
    EditH->installEventFilter(this);
    FormActivate();
}

void TfImageSize::FormActivate() {
    // The flags go first, so these writes drive nothing.
    widthFocus_ = heightFocus_ = false;
    const QString width = QString::number(referenceWidth_), height = QString::number(referenceHeight_);
    setEditText(EditW, width);
    setEditText(Edit101, width);
    setEditText(EditH, height);
    setEditText(Edit102, height);
    setEditText(Edit103, "100");
    setEditText(Edit104, "100");
    ComboBox102->setCurrentIndex(0);
    // The flags mean "has the focus"; an edit focused before this ran keeps it.
    widthFocus_ = EditW->hasFocus();
    heightFocus_ = EditH->hasFocus();
}

bool TfImageSize::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn, out = event->type() == QEvent::FocusOut;
    if (watched == EditW && in) EditWEnter();
    if (watched == EditW && out) EditWExit();
    if (watched == EditH && in) EditHEnter();
    if (watched == EditH && out) EditHExit();
    return ActivationDialog::eventFilter(watched, event);
}

void TfImageSize::SizeChange() {
    const bool keepAspect = CheckBox101->isChecked();
    if (widthFocus_) {
        const int width = editInteger(EditW->text(), 0);
        setEditText(Edit103, QString::number(sizePercent(width, referenceWidth_)));
        if (keepAspect) {
            setEditText(EditH, QString::number(aspectSide(referenceHeight_, width, referenceWidth_)));
            const int height = editInteger(EditH->text(), 0);
            setEditText(Edit104, QString::number(sizePercent(height, referenceHeight_)));
        }
    }
    if (heightFocus_) {
        const int height = editInteger(EditH->text(), 0);
        setEditText(Edit104, QString::number(sizePercent(height, referenceHeight_)));
        if (keepAspect) {
            setEditText(EditW, QString::number(aspectSide(referenceWidth_, height, referenceHeight_)));
            const int width = editInteger(EditW->text(), 0);
            setEditText(Edit103, QString::number(sizePercent(width, referenceWidth_)));
        }
    }
}

int TfImageSize::newWidth() const { return editInteger(EditW->text(), 1); }
int TfImageSize::newHeight() const { return editInteger(EditH->text(), 1); }
ResampleFilter TfImageSize::filter() const { return ResampleFilter(ComboBox102->currentIndex()); }

}  // namespace qm

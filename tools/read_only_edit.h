#pragma once
#include <QLineEdit>

namespace qm {

// The dialogs' "Current" fields: read-only, in the button-face colour, flat.
inline QLineEdit* readOnlyEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    edit->setPalette(palette);
    return edit;
}

// Writes only a different text, so change handlers that write each other's
// edits come to rest.
inline void setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

}  // namespace qm

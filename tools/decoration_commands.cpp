// Tools menu commands: a plain border and a soft drop shadow.
#include <QLineEdit>

#include "app/main_window.h"
#include "app/wait_cursor.h"
#include "core/compose.h"
#include "core/error.h"
#include "tools/border_dialog.h"
#include "tools/edit_value.h"
#include "tools/shadow_dialog.h"
#include "tools/soft_shadow.h"

namespace qm {

// The view's background; the shadow is flattened onto it.
constexpr Rgb kViewBackground{192, 192, 192};

void TfFrame::Border1Click() {
    Tform_border dialog(this);
    if (prompts().exec(dialog) != QDialog::Accepted) return;
    document().saveUndoStep();
    Image picture = document().working();
    try {
        addBorder(picture, dialog.widths(), dialog.colour(), dialog.outside());
    } catch (const Error& error) {
        prompts().error(this, QString::fromStdString(error.what()));
        return;
    }
    document().setWorking(std::move(picture));
    repaintView();
    RefreshStatus();
    UpdateControls();
}

void TfFrame::Shadow1Click() {
    Tform_shadow dialog(this);
    if (prompts().exec(dialog) != QDialog::Accepted) return;
    document().saveUndoStep();
    const QString radiusText = dialog.Edit5->text();
    const std::optional<double> radius = editDecimal(radiusText);
    if (!radius) {
        prompts().error(this, notADecimalMessage(radiusText));
        return;
    }
    const ShadowParams params{*radius, dialog.offsetX(), dialog.offsetY(), dialog.colour()};
    WaitCursor wait;
    Image picture = document().working();
    try {
        addSoftShadow(picture, params);
    } catch (const Error& error) {
        prompts().error(this, QString::fromStdString(error.what()));
        return;
    }
    removeAlpha(picture, kViewBackground);
    document().setWorking(std::move(picture));
    repaintView();
    RefreshStatus();
    UpdateControls();
}

}  // namespace qm

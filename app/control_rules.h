#pragma once
#include <span>
#include <string_view>

namespace qm {

// What the enabled state of a command depends on.
struct ControlState {
    bool imageLoaded = false;
    bool undoHeld = false;
    bool hasSelection = false;
};

enum class EnabledWhen { ImageLoaded, UndoHeld, ImageLoadedWithSelection };

// One row of the table: a control, named as the window names it, and the
// condition under which it is enabled. Controls not in the table are always
// enabled and never touched.
struct ControlRule {
    std::string_view control;
    EnabledWhen when;
};

std::span<const ControlRule> controlRules();
bool isEnabled(EnabledWhen when, const ControlState& state);

}  // namespace qm

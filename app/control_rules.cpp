#include "app/control_rules.h"

#include <array>

namespace qm {

namespace {

using enum EnabledWhen;

constexpr std::array kRules{
    ControlRule{"btnSave", ImageLoaded},
    ControlRule{"Save1", ImageLoaded},
    ControlRule{"Saveas1", ImageLoaded},
    ControlRule{"btnPrint", ImageLoaded},
    ControlRule{"Print1", ImageLoaded},
    ControlRule{"btnZoomOut", ImageLoaded},
    ControlRule{"btnZoom100", ImageLoaded},
    ControlRule{"btnZoomIn", ImageLoaded},
    ControlRule{"btnRotateLeft", ImageLoaded},
    ControlRule{"btnRotateRight", ImageLoaded},
    ControlRule{"N90Clockwise1", ImageLoaded},
    ControlRule{"N90Counterclockwise1", ImageLoaded},
    ControlRule{"N1801", ImageLoaded},
    ControlRule{"btnFlipHor", ImageLoaded},
    ControlRule{"btnFlipVert", ImageLoaded},
    ControlRule{"FlipHorizontal", ImageLoaded},
    ControlRule{"FlipVertical", ImageLoaded},
    ControlRule{"btnImageSize", ImageLoaded},
    ControlRule{"ImageSize1", ImageLoaded},
    ControlRule{"CanvasSize1", ImageLoaded},
    ControlRule{"btnApply", ImageLoaded},
    ControlRule{"btnSourceImage", ImageLoaded},
    ControlRule{"btnCrop", ImageLoaded},
    ControlRule{"Crop1", ImageLoaded},
    ControlRule{"Border1", ImageLoaded},
    ControlRule{"Shadow1", ImageLoaded},
    ControlRule{"btnUndo", UndoHeld},
    ControlRule{"UndoMenu", UndoHeld},
    ControlRule{"Pop1crop", ImageLoadedWithSelection},
    ControlRule{"Pop1desel", ImageLoadedWithSelection},
    ControlRule{"Croptoselection1", ImageLoadedWithSelection},
    ControlRule{"Deselect1", ImageLoadedWithSelection},
};

}  // namespace

std::span<const ControlRule> controlRules() { return kRules; }

bool isEnabled(EnabledWhen when, const ControlState& state) {
    switch (when) {
        case ImageLoaded: return state.imageLoaded;
        case UndoHeld: return state.undoHeld;
        case ImageLoadedWithSelection: return state.imageLoaded && state.hasSelection;
    }
    return false;
}

}  // namespace qm

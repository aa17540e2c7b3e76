#pragma once
#include <QIcon>

class QPalette;

namespace qm {

enum class ToolGlyph {
    New, Open, Save, Print, Undo, ZoomOut, ZoomActual, ZoomIn,
    RotateLeft, RotateRight, FlipHorizontal, FlipVertical, ImageSize, Crop, Deselect
};

// Outlined glyphs in the palette's button text colour with a highlight
// accent, so they read on light and dark themes alike; the disabled mode is
// drawn in the disabled text colour. `size` is the icon's side in pixels.
QIcon drawToolIcon(ToolGlyph glyph, const QPalette& palette, int size);

}  // namespace qm

#pragma once
#include <QPixmap>

namespace qm {

// The program's icon: a framed landscape, drawn at `size` pixels square.
QPixmap drawProductIcon(int size);

}  // namespace qm

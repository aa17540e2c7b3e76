#include "frame/frame_page.h"

namespace qm {

FramePage::FramePage(std::filesystem::path dataDir, QWidget* parent)
    : QWidget(parent), dataDir_(std::move(dataDir)) {}

void FramePage::FrameComboBoxChange() {}

}  // namespace qm

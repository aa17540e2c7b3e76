#include "mask/mask_page.h"

namespace qm {

MaskPage::MaskPage(std::filesystem::path dataDir, QWidget* parent)
    : QWidget(parent), dataDir_(std::move(dataDir)) {}

void MaskPage::MaskComboBoxChange() {}
void MaskPage::LoadTextureCollection() {}

}  // namespace qm

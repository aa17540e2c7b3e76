#pragma once
#include <QWidget>
#include <filesystem>
#include <optional>

namespace qm {

// The Mask page: mask style and strip, inversion, opacity and the background
// pages (colour, gradient, texture, file).
class MaskPage : public QWidget {
    Q_OBJECT
public:
    explicit MaskPage(std::filesystem::path dataDir, QWidget* parent = nullptr);
    void MaskComboBoxChange();
    void LoadTextureCollection();
    // The file of the selected mask (entry 0 when none is selected);
    // nothing while the strip is empty. Apply runs the mask branch only
    // when this names an existing file.
    std::optional<std::filesystem::path> selectedMaskFile() const { return std::nullopt; }

private:
    std::filesystem::path dataDir_;
};

}  // namespace qm

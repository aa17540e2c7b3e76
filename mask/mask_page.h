#pragma once
#include <QWidget>
#include <filesystem>

namespace qm {

// The Mask page: mask style and strip, inversion, opacity and the background
// pages (colour, gradient, texture, file).
class MaskPage : public QWidget {
    Q_OBJECT
public:
    explicit MaskPage(std::filesystem::path dataDir, QWidget* parent = nullptr);
    void MaskComboBoxChange();
    void LoadTextureCollection();

private:
    std::filesystem::path dataDir_;
};

}  // namespace qm

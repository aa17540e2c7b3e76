#pragma once
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "mask/mask_builder.h"
#include "mask/mask_styles.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace qm {

class ColorButton;
class Prompts;
class ThumbnailStrip;

// The Mask page: mask style and strip, inversion, opacity and the background
// pages (colour, gradient, texture, file). Nothing here acts on the picture;
// Apply reads the page through maskOptions() and selectedMaskFile().
class MaskPage : public QWidget {
    Q_OBJECT
public:
    explicit MaskPage(std::filesystem::path dataDir, QWidget* parent = nullptr);
    ~MaskPage() override;

    // Refills the mask strip and MaskFiles from the chosen style's folder.
    void MaskComboBoxChange();
    // Fills the texture strip and TextureFiles from data/textures.
    void LoadTextureCollection();
    // Lets the user pick the "File" background.
    void btBackFileName2Click();

    // The file of the selected mask (entry 0 when none is selected);
    // nothing while the strip is empty. Apply runs the mask branch only
    // when this names an existing file.
    std::optional<std::filesystem::path> selectedMaskFile() const;
    // The page's settings as the mask build reads them.
    MaskOptions maskOptions() const;

    // Controls, named as the rest of the program refers to them.
    QLabel* styleLabel = nullptr;
    QComboBox* MaskComboBox = nullptr;
    QFrame* MaskMViewPanel = nullptr;
    ThumbnailStrip* MaskMView = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLabel* opacityLabel = nullptr;
    QSlider* TrackBar6 = nullptr;
    QGroupBox* backgroundGroup = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QWidget *Back_Color = nullptr, *Back_Gradient = nullptr, *Back_Texture = nullptr, *Back_File = nullptr;
    ColorButton* BackColor = nullptr;
    QComboBox* GradientComboBox = nullptr;
    ColorButton *StartColor = nullptr, *EndColor = nullptr;
    ThumbnailStrip* TextureMView = nullptr;
    QLineEdit* BackFileName2 = nullptr;
    QPushButton* btBackFileName2 = nullptr;

    // Full paths, index-aligned with the entries of MaskMView and TextureMView.
    std::vector<std::filesystem::path> MaskFiles, TextureFiles;

private:
    void buildLayout();
    void buildBackgroundPages();
    Prompts& prompts();

    std::filesystem::path dataDir_;
    std::unique_ptr<Prompts> ownPrompts_;  // only while the page has no main window
};

}  // namespace qm

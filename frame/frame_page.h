#pragma once
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/frame_builder.h"
#include "frame/frame_pattern_file.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qm {

class Prompts;
class ThumbnailStrip;

// The Frame page of the right-hand panel: style list, pattern strip, pattern
// file, width and position options.
class FramePage : public QWidget {
    Q_OBJECT
public:
    explicit FramePage(std::filesystem::path dataDir, QWidget* parent = nullptr);
    ~FramePage() override;

    // Refills the strip and FramePatternFiles from the selected style's
    // folder and selects the first pattern. The thickness boxes keep their
    // numbers, except on the first fill, which shows the first pattern's.
    void FrameComboBoxChange();
    // The user picked entry `idx`: show that pattern's thickness.
    void FrameMViewImageSelect(int idx);
    // Lets the user pick a pattern file for "file:".
    void btBackFileNameClick();

    // The pattern Apply uses: the selected strip entry (entry 0 when none
    // is selected) or the typed file; nothing for an empty strip.
    struct PatternChoice {
        std::string path;
        PatternOrigin origin = PatternOrigin::Collection;
    };
    std::optional<PatternChoice> patternChoice() const;
    FrameOptions frameOptions() const;

    // Index-aligned with the entries of FrameMView.
    std::vector<std::filesystem::path> FramePatternFiles;

    QGroupBox* patternGroup = nullptr;
    QRadioButton* RadioButton4 = nullptr;  // "basic collection"
    QLabel* styleLabel = nullptr;
    QComboBox* FrameComboBox = nullptr;
    QFrame* FrameMViewPanel = nullptr;
    ThumbnailStrip* FrameMView = nullptr;
    QRadioButton* RadioButton3 = nullptr;  // "file:"
    QLineEdit* BackFileName = nullptr;
    QPushButton* btBackFileName = nullptr;
    QCheckBox* CheckBox1 = nullptr;  // "Rotate 180°"
    QGroupBox* widthGroup = nullptr;
    QRadioButton* RadioButton1 = nullptr;  // "original"
    QLineEdit* OriginalWidth = nullptr;
    QRadioButton* RadioButton2 = nullptr;  // "custom"
    QLineEdit* CustomWidth = nullptr;
    QGroupBox* positionGroup = nullptr;
    QRadioButton* RadioButtonFrameInsideImage = nullptr;
    QRadioButton* RadioButtonFrameOutsideImage = nullptr;

private:
    void buildLayout();
    // Writes the height of the picture at `file` into both thickness boxes;
    // a missing or unreadable file leaves them as they are.
    void showThicknessOf(const std::filesystem::path& file);
    Prompts& prompts();

    std::filesystem::path dataDir_;
    bool filledOnce_ = false;
    std::unique_ptr<Prompts> ownPrompts_;  // when not inside the main window
};

}  // namespace qm

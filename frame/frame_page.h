#pragma once
#include <QWidget>
#include <filesystem>

namespace qm {

// The Frame page of the right-hand panel: style list, pattern strip, pattern
// file, width and position options.
class FramePage : public QWidget {
    Q_OBJECT
public:
    explicit FramePage(std::filesystem::path dataDir, QWidget* parent = nullptr);
    // Loads the patterns of the selected style into the strip.
    void FrameComboBoxChange();

private:
    std::filesystem::path dataDir_;
};

}  // namespace qm

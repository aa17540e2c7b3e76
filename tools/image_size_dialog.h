#pragma once
#include "core/resample.h"
#include "tools/activation_dialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qm {

// "Image Size": the current size, the new size with its percentages, the
// aspect-ratio link and the resampling filter.
class TfImageSize : public ActivationDialog {
    Q_OBJECT
public:
    // The reference size is the working image's size when the command starts.
    TfImageSize(int referenceWidth, int referenceHeight, QWidget* parent = nullptr);

    // The new size to apply: 1 for a text that is no whole number.
    int newWidth() const;
    int newHeight() const;
    ResampleFilter filter() const;

    void FormActivate() override;
    // Shared by EditW and EditH: only the edit that has the focus drives it.
    void SizeChange();
    void EditWEnter() { widthFocus_ = true; }
    void EditWExit() { widthFocus_ = false; }
    void EditHEnter() { heightFocus_ = true; }
    void EditHExit() { heightFocus_ = false; }

    QGroupBox *GroupBox101 = nullptr, *GroupBox102 = nullptr;
    QLineEdit *Edit101 = nullptr, *Edit102 = nullptr, *EditW = nullptr, *EditH = nullptr, *Edit103 = nullptr,
              *Edit104 = nullptr;
    QCheckBox* CheckBox101 = nullptr;
    QComboBox* ComboBox102 = nullptr;
    QPushButton *btnOK = nullptr, *btnCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int referenceWidth_, referenceHeight_;
    bool widthFocus_ = false, heightFocus_ = false;
};

}  // namespace qm

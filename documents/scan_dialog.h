#pragma once
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "documents/scanner.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace qm {

// "Select Source": the scanners found, the current source selected.
class SelectSourceDialog : public QDialog {
    Q_OBJECT
public:
    SelectSourceDialog(std::vector<scanner::Device> devices, const std::string& current,
                       QWidget* parent = nullptr);
    // The device picked, if any.
    std::optional<std::string> selectedDevice() const;

    QListWidget* deviceList = nullptr;
    QPushButton* okButton = nullptr;

private:
    std::vector<scanner::Device> devices_;
};

// Shows how far a scan has come and lets the user cancel it. The scan runs
// on the user-interface thread; the dialog keeps the window answering
// between the chunks the scanner delivers.
class ScanProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScanProgressDialog(const QString& deviceLabel, QWidget* parent = nullptr);
    // Nothing when cancelled; throws qm::Error from the scanner.
    std::optional<Image> scan(scanner::Session& session, const std::string& deviceName);
    bool cancelled() const { return cancelled_; }
    void cancel() { cancelled_ = true; }

    QProgressBar* progressBar = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    void reject() override { cancel(); }

private:
    bool cancelled_ = false;
};

}  // namespace qm

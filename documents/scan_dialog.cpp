#include "documents/scan_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

SelectSourceDialog::SelectSourceDialog(std::vector<scanner::Device> devices, const std::string& current,
                                       QWidget* parent)
    : QDialog(parent), devices_(std::move(devices)) {
    setWindowTitle("Select Source");
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(devices_.empty() ? "No scanners were found." : "Sources:"));
    deviceList = new QListWidget;
    for (const scanner::Device& device : devices_) {
        deviceList->addItem(QString::fromStdString(device.label()));
        if (device.name == current) deviceList->setCurrentRow(deviceList->count() - 1);
    }
    if (deviceList->currentRow() < 0 && !devices_.empty()) deviceList->setCurrentRow(0);
    column->addWidget(deviceList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setText("Select");
    okButton->setEnabled(!devices_.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(deviceList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    column->addWidget(buttons);
    resize(360, 240);
}

std::optional<std::string> SelectSourceDialog::selectedDevice() const {
    const int row = deviceList->currentRow();
    if (row < 0 || row >= int(devices_.size())) return std::nullopt;
    return devices_[std::size_t(row)].name;
}

ScanProgressDialog::ScanProgressDialog(const QString& deviceLabel, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Acquire");
    setWindowModality(Qt::ApplicationModal);
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Scanning from " + deviceLabel + " ..."));
    progressBar = new QProgressBar;
    progressBar->setRange(0, 100);
    column->addWidget(progressBar);
    cancelButton = new QPushButton("Cancel");
    connect(cancelButton, &QPushButton::clicked, this, &ScanProgressDialog::cancel);
    column->addWidget(cancelButton, 0, Qt::AlignRight);
    resize(360, 110);
}

std::optional<Image> ScanProgressDialog::scan(scanner::Session& session, const std::string& deviceName) {
    show();
    auto picture = session.scanPage(deviceName, [this](double fraction) {
        if (fraction < 0)
            progressBar->setRange(0, 0);  // length unknown: a busy bar
        else
            progressBar->setValue(int(fraction * 100));
        QApplication::processEvents();
        return !cancelled_;
    });
    hide();
    return picture;
}

}  // namespace qm

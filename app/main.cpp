#include <QApplication>

#include "app/data_location.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmount");
    QApplication::setApplicationDisplayName("Quillmount");
    const std::filesystem::path exeDir = QCoreApplication::applicationDirPath().toStdString();
    qm::TfFrame window(qm::findDataDir(exeDir));
    window.show();
    return app.exec();
}

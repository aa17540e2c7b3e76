#include "about/product_icon.h"
#include "app/application.h"
#include "app/data_location.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
    qm::Application app(argc, argv);
    QApplication::setWindowIcon(QIcon(qm::drawProductIcon(128)));
    const std::filesystem::path exeDir = QCoreApplication::applicationDirPath().toStdString();
    qm::TfFrame window(qm::findDataDir(exeDir));
    window.show();
    return app.exec();
}

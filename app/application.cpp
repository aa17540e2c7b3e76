#include "app/application.h"

#include <QMessageBox>
#include <exception>

namespace qm {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Quillmount");
    reportError = [](const QString& message) { QMessageBox::critical(activeWindow(), "Quillmount", message); };
}

bool Application::notify(QObject* receiver, QEvent* event) {
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = "An unexpected error stopped the command.";
    }
    while (overrideCursor()) restoreOverrideCursor();
    reportError(message);
    return false;
}

}  // namespace qm

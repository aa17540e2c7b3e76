#pragma once
#include <QApplication>
#include <functional>

namespace qm {

// The application object. An error that escapes an event handler is shown
// in an error box titled "Quillmount" and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the message; an error box unless replaced (tests record it).
    std::function<void(const QString& message)> reportError;
};

}  // namespace qm

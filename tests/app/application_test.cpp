#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/application.h"

namespace qm {

namespace {

class Failing : public QObject {
public:
    int handled = 0;
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        ++handled;
        throw std::runtime_error("the pattern file is damaged");
    }
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void errorEscapingAHandlerIsShownAndTheLoopGoesOn() {
        auto& app = static_cast<Application&>(*QCoreApplication::instance());
        QStringList shown;
        app.reportError = [&](const QString& message) { shown << message; };
        Failing failing;
        QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
        QTRY_COMPARE(failing.handled, 2);
        QCOMPARE(shown, QStringList({"the pattern file is damaged", "the pattern file is damaged"}));
        QVERIFY(!QApplication::overrideCursor());
    }
};

}  // namespace qm

int main(int argc, char** argv) {
    qm::Application app(argc, argv);
    qm::ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"

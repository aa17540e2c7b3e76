#pragma once
#include <QDialog>
#include <QLabel>
#include <functional>

namespace qm {

// A bold link text that underlines itself under the mouse and reports clicks.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QString& hint, QWidget* parent);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;   // the MouseEnter handler
    void leaveEvent(QEvent* event) override;        // the MouseLeave handler
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setUnderlined(bool on);
};

// The About box: product name, version, legal notice and the home page and
// support links. Created once and shown by Help > About.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    // `open` hands an address to the desktop (the window's seam, so tests
    // see the address instead of a browser starting).
    explicit AboutBox(QWidget* parent = nullptr, std::function<void(const QString&)> open = {});

    void Label2Click();   // the home page link
    void Label10Click();  // the support link

    LinkLabel* Label8 = nullptr;   // home page
    LinkLabel* Label10 = nullptr;  // support mail

private:
    std::function<void(const QString&)> open_;
};

}  // namespace qm

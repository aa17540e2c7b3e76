#include "about/about_box.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QUrl>

#include "about/product_icon.h"
#include "about/web_links.h"

namespace qm {

namespace {

// Navy and blue as on a light face; lighter tones where the face is dark,
// so the values stay readable on any theme.
bool darkFace(const QWidget* widget) { return widget->palette().color(QPalette::Window).lightness() < 128; }

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* value(const QString& text, QWidget* parent) {
    QLabel* label = caption(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, darkFace(parent) ? QColor(150, 180, 255) : QColor(0, 0, 128));
    label->setPalette(palette);
    return label;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, const QString& hint, QWidget* parent) : QLabel(text, parent) {
    setToolTip(hint);
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, darkFace(parent) ? QColor(110, 170, 255) : QColor(0, 0, 255));
    setPalette(colours);
    setUnderlined(false);
}

void LinkLabel::setUnderlined(bool on) {
    QFont font = this->font();
    font.setBold(true);
    font.setUnderline(on);
    setFont(font);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    setUnderlined(true);
}

void LinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    setUnderlined(false);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

AboutBox::AboutBox(QWidget* parent, std::function<void(const QString&)> open)
    : QDialog(parent), open_(std::move(open)) {
    if (!open_) open_ = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
    setObjectName("AboutBox");
    setWindowTitle("About");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(481, 201);
    setWindowIcon(QIcon(drawProductIcon(64)));

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->addWidget(Panel1);

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(10, 10, 14, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    auto* Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setPixmap(drawProductIcon(128));
    Image1->setFixedSize(128, 128);
    Image1->setAccessibleName("Quillmount");
    grid->addWidget(Image1, 0, 0, 6, 1, Qt::AlignVCenter);

    const QString home = QString::fromStdString(homePage());
    const QString support = QString::fromStdString(supportAddress());
    grid->addWidget(caption("Product Name:", Panel1), 0, 1);
    grid->addWidget(value("Quillmount", Panel1), 0, 2);
    grid->addWidget(caption("Version:", Panel1), 1, 1);
    grid->addWidget(value(QUILLMOUNT_VERSION, Panel1), 1, 2);
    grid->addWidget(new QLabel("Copyright \u00a9 2026 the Quillmount developers.", Panel1), 2, 1, 1, 2);
    grid->addWidget(new QLabel("Provided as is, without warranty of any kind.", Panel1), 3, 1, 1, 2);
    grid->addWidget(caption("Home Page:", Panel1), 4, 1);
    Label8 = new LinkLabel(home, home, Panel1);
    Label8->setObjectName("Label8");
    grid->addWidget(Label8, 4, 2);
    grid->addWidget(caption("Support:", Panel1), 5, 1);
    Label10 = new LinkLabel(support, "mailto: " + support, Panel1);
    Label10->setObjectName("Label10");
    grid->addWidget(Label10, 5, 2);
    grid->setColumnStretch(2, 1);

    connect(Label8, &LinkLabel::clicked, this, &AboutBox::Label2Click);
    connect(Label10, &LinkLabel::clicked, this, &AboutBox::Label10Click);
}

void AboutBox::Label2Click() { open_(QString::fromStdString(homePage())); }
void AboutBox::Label10Click() { open_(QString::fromStdString(supportMailUrl())); }

}  // namespace qm

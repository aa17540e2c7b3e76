#include "widgets/color_button.h"

#include <QApplication>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace qm {

namespace {

constexpr NamedColor kOfficeColors[] = {
    {"Black", {0x00, 0x00, 0x00}},        {"Brown", {0x99, 0x33, 0x00}},
    {"Olive Green", {0x33, 0x33, 0x00}},  {"Dark Green", {0x00, 0x33, 0x00}},
    {"Dark Teal", {0x00, 0x33, 0x66}},    {"Dark Blue", {0x00, 0x00, 0x80}},
    {"Indigo", {0x33, 0x33, 0x99}},       {"Gray-80%", {0x33, 0x33, 0x33}},
    {"Dark Red", {0x80, 0x00, 0x00}},     {"Orange", {0xFF, 0x66, 0x00}},
    {"Dark Yellow", {0x80, 0x80, 0x00}},  {"Green", {0x00, 0x80, 0x00}},
    {"Teal", {0x00, 0x80, 0x80}},         {"Blue", {0x00, 0x00, 0xFF}},
    {"Blue-Gray", {0x66, 0x66, 0x99}},    {"Gray-50%", {0x80, 0x80, 0x80}},
    {"Red", {0xFF, 0x00, 0x00}},          {"Light Orange", {0xFF, 0x99, 0x00}},
    {"Lime", {0x99, 0xCC, 0x00}},         {"Sea Green", {0x33, 0x99, 0x66}},
    {"Aqua", {0x33, 0xCC, 0xCC}},         {"Light Blue", {0x33, 0x66, 0xFF}},
    {"Violet", {0x80, 0x00, 0x80}},       {"Gray-40%", {0x96, 0x96, 0x96}},
    {"Pink", {0xFF, 0x00, 0xFF}},         {"Gold", {0xFF, 0xCC, 0x00}},
    {"Yellow", {0xFF, 0xFF, 0x00}},       {"Bright Green", {0x00, 0xFF, 0x00}},
    {"Turquoise", {0x00, 0xFF, 0xFF}},    {"Sky Blue", {0x00, 0xCC, 0xFF}},
    {"Plum", {0x99, 0x33, 0x66}},         {"Gray-25%", {0xC0, 0xC0, 0xC0}},
    {"Rose", {0xFF, 0x99, 0xCC}},         {"Tan", {0xFF, 0xCC, 0x99}},
    {"Light Yellow", {0xFF, 0xFF, 0x99}}, {"Light Green", {0xCC, 0xFF, 0xCC}},
    {"Light Turquoise", {0xCC, 0xFF, 0xFF}}, {"Pale Blue", {0x99, 0xCC, 0xFF}},
    {"Lavender", {0xCC, 0x99, 0xFF}},     {"White", {0xFF, 0xFF, 0xFF}},
};
constexpr int kColumns = 8;

QPixmap swatch(Rgb c, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(c.r, c.g, c.b));
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return pixmap;
}

// The grip across the top of the palette: a click or a short drag on it
// tears the palette off into a window of its own.
class TearOffBar : public QWidget {
public:
    TearOffBar(std::function<void()> tearOff, QWidget* parent) : QWidget(parent), tearOff_(std::move(tearOff)) {
        setFixedHeight(9);
        setToolTip("Drag to float");
        setCursor(Qt::SizeAllCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect().adjusted(2, 2, -2, -2), palette().color(QPalette::Highlight));
    }
    void mousePressEvent(QMouseEvent* event) override { pressedAt_ = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if ((event->buttons() & Qt::LeftButton) &&
            (event->position().toPoint() - pressedAt_).manhattanLength() >= QApplication::startDragDistance())
            tearOff_();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint())) tearOff_();
    }

private:
    std::function<void()> tearOff_;
    QPoint pressedAt_;
};

}  // namespace

std::span<const NamedColor> officeColors() { return kOfficeColors; }

ColorPalette::ColorPalette(TearOff tearOff, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    if (tearOff == TearOff::Offered) layout->addWidget(new TearOffBar([this] { emit tearOffRequested(); }, this));

    automatic_ = new QToolButton(this);
    automatic_->setText("Automatic");
    automatic_->setIcon(swatch({}, {14, 14}));
    automatic_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    automatic_->setCheckable(true);
    automatic_->setAutoRaise(true);
    automatic_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(automatic_, &QToolButton::clicked, this, [this] { emit picked(ColorChoice::automaticColor()); });
    layout->addWidget(automatic_);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int i = 0; i < int(std::size(kOfficeColors)); ++i) {
        const NamedColor& named = kOfficeColors[i];
        auto* cell = new QToolButton(this);
        cell->setToolTip(named.name);
        cell->setAccessibleName(named.name);
        cell->setIcon(swatch(named.rgb, {14, 14}));
        cell->setIconSize({14, 14});
        cell->setCheckable(true);
        cell->setAutoRaise(true);
        const Rgb rgb = named.rgb;
        connect(cell, &QToolButton::clicked, this, [this, rgb] { emit picked(ColorChoice::of(rgb)); });
        grid->addWidget(cell, i / kColumns, i % kColumns);
        cells_.push_back(cell);
    }
    layout->addLayout(grid);

    auto* other = new QToolButton(this);
    other->setText("Other Colors...");
    other->setAutoRaise(true);
    other->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(other, &QToolButton::clicked, this, &ColorPalette::otherColorsRequested);
    layout->addWidget(other);
}

void ColorPalette::showCurrent(ColorChoice current) {
    automatic_->setChecked(current.automatic);
    for (std::size_t i = 0; i < cells_.size(); ++i)
        cells_[i]->setChecked(!current.automatic && current.rgb == kOfficeColors[i].rgb);
}

ColorButton::ColorButton(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(this, &QToolButton::clicked, this, &ColorButton::showPalette);
}

ColorButton::~ColorButton() = default;

void ColorButton::setChoice(ColorChoice choice) {
    choice_ = choice;
    for (ColorPalette* palette : palettes_) palette->showCurrent(choice_);
    update();
    emit choiceChanged(choice_);
}

QSize ColorButton::sizeHint() const { return {106, 23}; }

void ColorButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const int arrowWidth = 12;
    const QRect content = rect().adjusted(4, 4, -4 - arrowWidth, -4);
    const Rgb c = choice_.resolved();
    if (choice_.automatic) {
        // Automatic shows as a small black swatch with its name beside it.
        const QRect box(content.left(), content.top(), content.height(), content.height());
        painter.fillRect(box, QColor(c.r, c.g, c.b));
        painter.drawText(content.adjusted(box.width() + 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, "Automatic");
    } else {
        painter.fillRect(content, QColor(c.r, c.g, c.b));
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(content.adjusted(0, 0, -1, -1));
    }
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(rect().right() - arrowWidth - 2, 0, arrowWidth, height());
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}

ColorPalette* ColorButton::makePalette(ColorPalette::TearOff tearOff, QWidget* parent) {
    auto* palette = new ColorPalette(tearOff, parent);
    palette->showCurrent(choice_);
    connect(palette, &ColorPalette::picked, this, &ColorButton::pick);
    connect(palette, &ColorPalette::otherColorsRequested, this, &ColorButton::otherColors);
    connect(palette, &ColorPalette::tearOffRequested, this, &ColorButton::tearOffPalette);
    palettes_.push_back(palette);
    return palette;
}

void ColorButton::showPalette() {
    if (!dropDown_) {
        auto* frame = new QFrame(this, Qt::Popup);
        frame->setFrameShape(QFrame::StyledPanel);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->addWidget(makePalette(ColorPalette::TearOff::Offered, frame));
        dropDown_ = frame;
    }
    dropDown_->move(mapToGlobal(QPoint(0, height())));
    dropDown_->show();
}

void ColorButton::tearOffPalette() {
    const QPoint at = dropDown_ && dropDown_->isVisible() ? dropDown_->pos() : mapToGlobal(QPoint(0, height()));
    if (dropDown_) dropDown_->hide();
    if (!colorWindow_) {
        colorWindow_ = new QWidget(this, Qt::Tool);
        colorWindow_->setWindowTitle("Color Window");
        auto* layout = new QVBoxLayout(colorWindow_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(makePalette(ColorPalette::TearOff::NotOffered, colorWindow_));
        colorWindow_->move(at);
    }
    colorWindow_->show();
    colorWindow_->raise();
}

void ColorButton::pick(ColorChoice choice) {
    if (dropDown_) dropDown_->hide();
    setChoice(choice);
}

void ColorButton::otherColors() {
    if (dropDown_) dropDown_->hide();
    const Rgb c = choice_.resolved();
    if (const auto picked = askOtherColor(QColor(c.r, c.g, c.b)))
        setChoice(ColorChoice::of({std::uint8_t(picked->red()), std::uint8_t(picked->green()),
                                   std::uint8_t(picked->blue())}));
}

std::optional<QColor> ColorButton::askOtherColor(const QColor& initial) {
    const QColor picked = QColorDialog::getColor(initial, this, "Colors");
    if (!picked.isValid()) return std::nullopt;
    return picked;
}

}  // namespace qm

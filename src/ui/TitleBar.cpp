#include "TitleBar.h"

#include "TwipScale.h"
#include "WindowLook.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWindow>

#include <wayland-client.h>

#include <cstring>

namespace quarrix::ui {

namespace {
// Twips, as the windows' layouts: the classic caption's height and buttons.
constexpr int BarHeight = 300;
constexpr int ButtonWidth = 240;
constexpr int ButtonHeight = 210;
constexpr int Gap = 30;
constexpr int TitleLeft = 90;

// A caption button drawn as the windows' frames are, its glyph in lines so that it stays sharp at any scale.
class CaptionButton final : public QAbstractButton {
public:
    CaptionButton(const QString& name, const QString& tip, bool cross, QWidget* bar)
        : QAbstractButton(bar), cross_(cross)
    {
        setObjectName(name);
        setToolTip(tip);
        setAccessibleName(tip);
        setFocusPolicy(Qt::NoFocus);  // the keys stay with the window's content
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        classicFrameStyle()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1.5));
        const QRectF glyph = QRectF(rect()).adjusted(width() * 0.3, height() * 0.3, -width() * 0.3, -height() * 0.3);
        painter.translate(isDown() ? QPointF(1, 1) : QPointF());
        if (cross_) {
            painter.drawLine(glyph.topLeft(), glyph.bottomRight());
            painter.drawLine(glyph.topRight(), glyph.bottomLeft());
        } else {
            painter.drawLine(glyph.bottomLeft(), glyph.bottomRight());
        }
    }

private:
    bool cross_;
};
}  // namespace

bool compositorDrawsTitleBars()
{
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return true;
    }
    bool offered = false;
    static const wl_registry_listener listener{
        [](void* data, wl_registry* /*registry*/, uint32_t /*name*/, const char* interface, uint32_t /*version*/) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
                *static_cast<bool*>(data) = true;
            }
        },
        [](void* /*data*/, wl_registry* /*registry*/, uint32_t /*name*/) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    const bool answered = wl_display_roundtrip(display) >= 0;  // every global is announced by then
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered || !answered;
}

bool ownTitleBar()
{
    const QByteArray forced = qgetenv("QUARRIX_OWN_TITLE_BAR");
    if (!forced.isEmpty()) {
        return forced != "0";
    }
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return false;
    }
    static const bool own = !compositorDrawsTitleBars();  // asked once a run, before the first window shows
    return own;
}

void TitleBar::fit(QWidget* window)
{
    if (!ownTitleBar()) {
        return;
    }
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    const int height = TwipScale(window->logicalDpiX()).px(BarHeight);
    if (window->layout() != nullptr) {
        // The layout places the content below the margin and counts it in the window's fixed size.
        window->setContentsMargins(0, height, 0, 0);
    } else {
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow()) {
                child->move(child->pos() + QPoint(0, height));
            }
        }
        window->setFixedSize(window->width(), window->height() + height);
    }
    new TitleBar(window);
}

TitleBar::TitleBar(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("titleBar"));
    const TwipScale scale(logicalDpiX());
    setFixedHeight(scale.px(BarHeight));
    title_ = new QLabel(window->windowTitle(), this);
    QFont bold = font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setForegroundRole(QPalette::HighlightedText);
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);  // a press on the title drags the bar
    auto* minimise = new CaptionButton(QStringLiteral("minimise"), tr("Minimise"), false, this);
    auto* close = new CaptionButton(QStringLiteral("close"), tr("Close"), true, this);
    connect(minimise, &QAbstractButton::clicked, window, &QWidget::showMinimized);
    connect(close, &QAbstractButton::clicked, window, &QWidget::close);  // as the desktop's close would
    // The window's edge, drawn over the content's outermost pixels so that it shows on a light desktop.
    outline_ = new QWidget(window);
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->installEventFilter(this);
    window->installEventFilter(this);
    place();  // now for a window of a fixed size, and again whenever its layout sizes it
}

void TitleBar::place()
{
    const TwipScale scale(logicalDpiX());
    const QSize button(scale.px(ButtonWidth), scale.px(ButtonHeight));
    const int top = (height() - button.height()) / 2;
    setGeometry(0, 0, parentWidget()->width(), height());
    const QList<QAbstractButton*> buttons = findChildren<QAbstractButton*>();
    int left = width() - scale.px(Gap) - 1;  // right to left, clear of the outline
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
        left -= button.width();
        (*it)->setGeometry(QRect({left, top}, button));
        left -= scale.px(Gap);
    }
    title_->setGeometry(scale.px(TitleLeft), 0, left - scale.px(TitleLeft), height());
    outline_->setGeometry(parentWidget()->rect());
}

bool TitleBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == outline_ && event->type() == QEvent::Paint) {
        QPainter painter(outline_);
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(outline_->rect().adjusted(0, 0, -1, -1));
        return true;
    }
    QWidget* window = parentWidget();
    if (watched != window) {
        return false;
    }
    switch (event->type()) {
    case QEvent::WindowTitleChange: title_->setText(window->windowTitle()); break;
    case QEvent::Show: outline_->raise(); break;
    case QEvent::Resize: place(); break;
    default: break;
    }
    return false;
}

void TitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && window()->windowHandle() != nullptr) {
        window()->windowHandle()->startSystemMove();
    }
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();  // a fixed window has nothing to maximise or restore
}

void TitleBar::paintEvent(QPaintEvent* /*event*/)
{
    QPainter(this).fillRect(rect(), palette().color(QPalette::Highlight));
}

}  // namespace quarrix::ui

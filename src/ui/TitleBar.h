#pragma once

#include <QWidget>

class QLabel;

namespace quarrix::ui {

// Whether the windows carry a title bar of their own. On Wayland a compositor that draws no title
// bars leaves them to Qt, whose bar offers maximise whatever a window's flags say; there the
// windows go frameless and carry their own. QUARRIX_OWN_TITLE_BAR=1 or =0 forces the choice.
bool ownTitleBar();

// Whether the compositor of this session offers server-side decorations (Qt asks for them through
// zxdg_decoration_manager_v1); also true when it cannot be asked, leaving Qt's choice standing.
bool compositorDrawsTitleBars();

// A window's own title bar: its title, minimise and close; dragging it moves the window.
class TitleBar final : public QWidget {
    Q_OBJECT
public:
    // Where ownTitleBar() holds, makes `window` frameless and puts a bar on its top: the window grows
    // by the bar's height and its content moves down by as much, keeping its size. Call it once the
    // content is built.
    static void fit(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit TitleBar(QWidget* window);
    void place();

    QLabel* title_ = nullptr;
    QWidget* outline_ = nullptr;
};

}  // namespace quarrix::ui

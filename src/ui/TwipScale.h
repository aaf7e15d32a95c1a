#pragma once

#include <QFont>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <cmath>

namespace quarrix::ui {

// A control's place in a window's layout, in twips.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// Window layouts are given in twips (1/1440 inch): 15 twips to a pixel at 96 dots per inch.
// Their text is sized in points, so the same scale holds both.
class TwipScale {
public:
    explicit TwipScale(int logicalDpi = 96) : pixelsPerTwip_(logicalDpi / 1440.0) {}

    int px(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }
    QRect rect(int left, int top, int width, int height) const { return {px(left), px(top), px(width), px(height)}; }
    QLine line(int x1, int y1, int x2, int y2) const { return {px(x1), px(y1), px(x2), px(y2)}; }

    // `origin` is where the layout's (0, 0) lies in the widget's parent, when that is not the parent's own corner.
    void place(QWidget* widget, const TwipRect& r, QPoint origin = {}) const
    {
        widget->setGeometry(rect(r.left, r.top, r.width, r.height).translated(-origin));
    }
    static QFont sized(const QFont& base, qreal points)
    {
        QFont font(base);
        font.setPointSizeF(points);
        return font;
    }

private:
    double pixelsPerTwip_;
};

}  // namespace quarrix::ui

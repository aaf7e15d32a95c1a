#pragma once

#include <QLine>
#include <QRect>
#include <cmath>

namespace quarrix::ui {

// Window layouts are given in twips (1/1440 inch): 15 twips to a pixel at 96 dots per inch.
class TwipScale {
public:
    explicit TwipScale(int logicalDpi = 96) : pixelsPerTwip_(logicalDpi / 1440.0) {}

    int px(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }
    QRect rect(int left, int top, int width, int height) const { return {px(left), px(top), px(width), px(height)}; }
    QLine line(int x1, int y1, int x2, int y2) const { return {px(x1), px(y1), px(x2), px(y2)}; }

private:
    double pixelsPerTwip_;
};

}  // namespace quarrix::ui

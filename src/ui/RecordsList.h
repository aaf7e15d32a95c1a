#pragma once

#include <QListWidget>

class QFontMetrics;

namespace quarrix::ui {

// One column of a records table. The five lists of a table are separate widgets, so a row lines
// up across them only if every list draws its rows at the same height whatever it holds: that
// height is the tallest line the shipped faces draw at the list's size (Latin, Chinese, Japanese,
// Korean), cut down only where the box is too short for all its rows.
class RecordsList final : public QListWidget {
    Q_OBJECT

public:
    RecordsList(QWidget* page, const QString& name, qreal points);

    int rowHeight() const;
    // The text row `row` draws: its item's text cut to the box's width by elideName.
    QString shownText(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int tallest() const;

    // Probing the CJK faces costs the start several milliseconds, so it waits until a row is
    // first laid out: 0 until then.
    mutable int tallestLine_ = 0;
    mutable int rowHeight_ = 0;
};

// The height of the tallest line the shipped faces that are installed draw at `font`'s size.
int tallestLine(const QFont& font);

// A records name cut to `width` pixels. The name comes first: the speed suffix (" (spd=+25%)")
// is cut before it, and the name itself only when it alone does not fit.
QString elideName(const QFontMetrics& metrics, const QString& name, int width);

}  // namespace quarrix::ui

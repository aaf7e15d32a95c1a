#include "RecordsList.h"

#include "TwipScale.h"
#include "records/HighScoreTable.h"

#include <QFontDatabase>
#include <QStyledItemDelegate>

#include <algorithm>

namespace quarrix::ui {

namespace {
// The faces the package depends on or recommends; a script FreeSans lacks falls back to one of
// the others, and their lines are taller than FreeSans's.
const QStringList ShippedFaces{QStringLiteral("FreeSans"), QStringLiteral("WenQuanYi Micro Hei"),
                               QStringLiteral("Noto Sans CJK SC")};

// The item views' own text margin, on either side of a row's text.
int textMargin(const QWidget* list)
{
    return list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
}

class RowDelegate final : public QStyledItemDelegate {
public:
    explicit RowDelegate(RecordsList* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), list_->rowHeight()};
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = list_->shownText(index.row());
    }

private:
    RecordsList* list_;
};
}  // namespace

RecordsList::RecordsList(QWidget* page, const QString& name, qreal points) : QListWidget(page)
{
    setObjectName(name);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(TwipScale::sized(font(), points));
    setItemDelegate(new RowDelegate(this));
}

int RecordsList::tallest() const
{
    if (tallestLine_ == 0) {
        tallestLine_ = tallestLine(font());
        rowHeight_ = tallestLine_;
    }
    return tallestLine_;
}

int RecordsList::rowHeight() const
{
    tallest();
    return rowHeight_;
}

QString RecordsList::shownText(int row) const
{
    const QListWidgetItem* cell = item(row);
    if (cell == nullptr) {
        return {};
    }
    // Rows are as wide as the box (the item rect would ask the delegate, which asks this).
    const int width = viewport()->width() - 2 * textMargin(this);
    return width > 0 ? elideName(fontMetrics(), cell->text(), width) : cell->text();
}

void RecordsList::resizeEvent(QResizeEvent* event)
{
    // Every row of a full table stays inside the box, even where the tallest line would not let it.
    const int fitting = std::max(1, viewport()->height() / static_cast<int>(records::HighScoreTable::Capacity));
    const int height = std::min(tallest(), fitting);
    if (height != rowHeight_) {
        rowHeight_ = height;
        doItemsLayout();
    }
    QListWidget::resizeEvent(event);
}

int tallestLine(const QFont& font)
{
    int tallest = QFontMetrics(font).height();
    for (const QString& face : ShippedFaces) {
        if (QFontDatabase::hasFamily(face)) {
            QFont shipped(font);
            shipped.setFamilies({face});
            tallest = std::max(tallest, QFontMetrics(shipped).height());
        }
    }
    return tallest;
}

QString elideName(const QFontMetrics& metrics, const QString& name, int width)
{
    // Cut from the end, the suffix first; the cut may reach into the name only when the name
    // alone is too wide, and then the suffix goes altogether.
    QString cut = metrics.elidedText(name, Qt::ElideRight, width);
    const qsizetype at = name.lastIndexOf(QLatin1String(" (spd="));
    if (cut == name || at <= 0 || !name.endsWith(QLatin1Char(')')) || cut.startsWith(name.left(at))) {
        return cut;
    }
    return metrics.elidedText(name.left(at), Qt::ElideRight, width);
}

}  // namespace quarrix::ui

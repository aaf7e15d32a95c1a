#include "PlayfieldWidget.h"

#include <QPainter>

namespace quarrix::ui {

namespace {
constexpr int CellTwips = 495;
constexpr int PitchTwips = 480;

QColor screenColor(ColorValue value)
{
    const Rgb rgb = toRgb(value);
    return {rgb.red, rgb.green, rgb.blue};
}
}  // namespace

PlayfieldWidget::PlayfieldWidget(const Playfield& field, const TwipScale& scale, QWidget* parent)
    : QWidget(parent), field_(field), scale_(scale)
{
    setObjectName(QStringLiteral("Playfield"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PlayfieldWidget::cellRect(int c, int r) const
{
    return scale_.rect(480 + PitchTwips * c, 7680 - PitchTwips * r, CellTwips, CellTwips);
}

QRect PlayfieldWidget::previewRect(int index) const
{
    return scale_.rect(3720, index == 0 ? 1440 : 960, CellTwips, CellTwips);
}

void PlayfieldWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    paintFrames(painter);
    paintBoard(painter);
    paintPreview(painter);
}

void PlayfieldWidget::paintFrames(QPainter& painter) const
{
    painter.setPen(QPen(palette().windowText().color(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(scale_.rect(480, 960, 2900, 7225).adjusted(0, 0, -1, -1));  // the well
    painter.drawRect(scale_.rect(3570, 480, 825, 1545).adjusted(0, 0, -1, -1));  // the Next box
    painter.drawLine(scale_.line(3575, 840, 4400, 840));                         // under the "Next" caption
}

void PlayfieldWidget::paintBoard(QPainter& painter) const
{
    // An empty cell draws nothing: the background shows through.
    for (int r = 0; r < Board::Rows; ++r) {
        for (int c = 0; c < Board::Columns; ++c) {
            const BoardCell& cell = field_.board.cell(c, r);
            if (cell.Filled) {
                paintGem(painter, cellRect(c, r), cell.gem());
            }
        }
    }
}

void PlayfieldWidget::paintPreview(QPainter& painter) const
{
    if (!field_.next.dealt) {
        // Before the first game the preview shows two empty cells.
        painter.setPen(QPen(palette().mid().color(), 1));
        painter.setBrush(Qt::NoBrush);
        for (const int i : {0, 1}) {
            painter.drawRect(previewRect(i).adjusted(0, 0, -1, -1));
        }
        return;
    }
    paintGem(painter, previewRect(0), field_.next.lower);
    paintGem(painter, previewRect(1), field_.next.upper);
}

void PlayfieldWidget::paintGem(QPainter& painter, const QRect& rect, Gem gem) const
{
    painter.drawPixmap(rect.topLeft(), gemImage(gem, rect.size()));
}

const QPixmap& PlayfieldWidget::gemImage(Gem gem, QSize size) const
{
    QPixmap& image = gemImages_[{static_cast<int>(gem.shape), gem.color}];
    const qreal ratio = devicePixelRatioF();
    if (image.deviceIndependentSize().toSize() == size && image.devicePixelRatio() == ratio) {
        return image;
    }
    image = QPixmap((QSizeF(size) * ratio).toSize());
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(screenColor(gem.color));
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    if (gem.shape == ShapeCode::Destroyer) {
        painter.drawEllipse(box);
    } else {
        const qreal radius = box.width() / 6.0;
        painter.drawRoundedRect(box, radius, radius);
    }
    return image;
}

}  // namespace quarrix::ui

#pragma once

#include "TwipScale.h"
#include "game/Gem.h"
#include "game/Playfield.h"

#include <QPixmap>
#include <QWidget>

#include <map>
#include <utility>

namespace quarrix::ui {

// The client area of the main window behind its labels: the 90 cells of the well, its frame, the
// Next box with the line under its caption, and the two preview cells, drawn from the model.
class PlayfieldWidget final : public QWidget {
    Q_OBJECT
public:
    PlayfieldWidget(const Playfield& field, const TwipScale& scale, QWidget* parent);

    // Pixel rectangle of the cell at (c, r) and of preview cell 0 (lower) or 1 (upper).
    QRect cellRect(int c, int r) const;
    QRect previewRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFrames(QPainter& painter) const;
    void paintBoard(QPainter& painter) const;
    void paintPreview(QPainter& painter) const;
    void paintGem(QPainter& painter, const QRect& rect, Gem gem) const;
    // Gems are drawn once per type and size and then copied: a full repaint stays well under
    // the 75 ms between animation steps.
    const QPixmap& gemImage(Gem gem, QSize size) const;

    const Playfield& field_;
    const TwipScale& scale_;
    mutable std::map<std::pair<int, ColorValue>, QPixmap> gemImages_;
};

}  // namespace quarrix::ui

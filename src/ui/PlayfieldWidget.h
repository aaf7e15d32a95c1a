#pragma once

#include "TwipScale.h"
#include "game/Gem.h"
#include "game/Playfield.h"

#include <QWidget>

namespace quarrix::ui {

// The client area of the main window behind its labels: the 90 cells `Shape1`, the well's frame
// `Shape2`, the Next box `Shape3` with `Line1`, and the preview cells `NextGem`, drawn from the model.
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

    const Playfield& field_;
    const TwipScale& scale_;
};

}  // namespace quarrix::ui

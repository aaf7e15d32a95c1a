#pragma once

#include <QFont>
#include <QString>

class QFontMetrics;
class QStyle;

namespace quarrix::ui {

// The face every control asks for. The layouts were made for an 8 pt "MS Sans Serif", which a
// Linux machine lacks; FreeSans (fonts-freefont-ttf) is the face Debian ships whose widths fit
// every box of those layouts. The near matches after it are a little wider.
QFont windowFont();

// The classic look for the figure frames: the caption sits in the border line.
QStyle* classicFrameStyle();

// A records name cut to `width` pixels: the typed part loses its end, the speed suffix
// (" (spd=+25%)") stays whole, since it is what tells two games of one player apart.
QString elideName(const QFontMetrics& metrics, const QString& name, int width);

}  // namespace quarrix::ui

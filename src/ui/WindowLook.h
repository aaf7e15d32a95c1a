#pragma once

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>

class QStyle;

namespace quarrix::ui {

// The face every control asks for. The layouts were made for an 8 pt "MS Sans Serif", which a
// Linux machine lacks; FreeSans (fonts-freefont-ttf) is the face Debian ships whose widths fit
// every box of those layouts. The near matches after it are a little wider.
// Chinese and Japanese lead with a face that has their letters, whose lines are tall enough for them;
// `script` is that of the language the windows speak, not the desktop's, which may differ.
QFont windowFont(QLocale::Script script = QLocale::LatinScript);

// `font`, or a smaller size of it in which `texts`, set on one baseline, ink no taller than `height`
// pixels together: rows laid out for English captions keep clear of each other in a script with
// taller letters.
QFont fittingHeight(QFont font, const QStringList& texts, int height);

// The classic look for the figure frames: the caption sits in the border line.
QStyle* classicFrameStyle();

// A top-level window that keeps its size: a title, a system menu, minimise and close, and no
// maximise button (naming any of these buttons stops the toolkit from adding them all).
constexpr Qt::WindowFlags FixedWindow = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace quarrix::ui

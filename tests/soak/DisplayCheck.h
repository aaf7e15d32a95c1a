#pragma once

#include "game/Playfield.h"

#include <string>

class QWidget;

namespace quarrix::ui {
class PlayfieldWidget;
}

namespace quarrix::soak {

// What the main window shows against what the game holds. Each returns the first difference
// in words, or an empty text when there is none.
class DisplayCheck {
public:
    // The centre pixel of every well cell and of both preview cells: the gem's colour where
    // there is a gem, the window's background where there is none.
    static std::string cells(ui::PlayfieldWidget& widget, const Playfield& field);
    // The Current and Best labels against the figures.
    static std::string figures(const QWidget& mainWindow, const Figures& figures);
};

}  // namespace quarrix::soak

#pragma once

namespace quarrix {

// What the player asks of the game, from the keyboard or a controller alike. The well takes the
// four moves; New Game, Accept and Cancel are answered by the windows and their dialogs.
enum class Command { Left, Right, Turn, Down, NewGame, Accept, Cancel };

}  // namespace quarrix

#include "Game.h"

#include "PairControls.h"

namespace quarrix {

Game::Game(Services services)
    : timer_(services.timer),
      dealer_(services.random),
      drop_(services.sound),
      resolver_(services.timer, services.sound, services.animation, services.gameOver),
      speed_(services.timer)
{}

void Game::newGame()
{
    field_.figures = Figures{};
    field_.board.reset();
    field_.started = true;
    dealer_.makeNewGems(field_);
    dealer_.useNextGems(field_);
    timer_.setEnabled(true);
}

void Game::tick()
{
    if (!drop_.step(field_)) {
        return;
    }
    resolver_.handleGameStatus(field_);
    // Also after game over: the next pair still shows in the spawn cells.
    dealer_.useNextGems(field_);
}

void Game::command(Command command)
{
    if (command == Command::Down && timer_.enabled()) {
        tick();
    }
    if (!field_.pair.PairActive) {
        return;
    }
    switch (command) {
    case Command::Left: PairControls::shiftLeft(field_); break;
    case Command::Right: PairControls::shiftRight(field_); break;
    case Command::Turn: PairControls::turn(field_); break;
    default: break;
    }
}

}  // namespace quarrix

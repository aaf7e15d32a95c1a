#include "Game.h"

namespace quarrix {

Game::Game(Services services)
    : timer_(services.timer),
      pair_(services.random, services.sound),
      resolver_(services.timer, services.sound, services.animation, services.gameOver),
      speed_(services.timer)
{}

void Game::newGame()
{
    field_.figures = Figures{};
    field_.board.reset();
    field_.started = true;
    pair_.makeNewGems(field_);
    pair_.useNextGems(field_);
    timer_.setEnabled(true);
}

void Game::tick()
{
    if (!pair_.drop(field_)) {
        return;
    }
    resolver_.handleGameStatus(field_);
    // Also after game over: the next pair still shows in the spawn cells.
    pair_.useNextGems(field_);
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
    case Command::Left: PairMoves::shiftLeft(field_); break;
    case Command::Right: PairMoves::shiftRight(field_); break;
    case Command::Turn: PairMoves::turn(field_); break;
    default: break;
    }
}

}  // namespace quarrix

#pragma once

#include "RandomNameDialogs.h"
#include "RecordsCheck.h"
#include "SeededRandom.h"
#include "SoakCompanions.h"
#include "StepAudit.h"
#include "game/SpeedSetting.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form1.h"
#include "ui/WindowSet.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>

class QAction;
class QTimer;

namespace quarrix::soak {

// Plays whole games on the program as its main() puts it together (main window, real records
// and sound options windows, OpenAL output), with random key presses and drop ticks, and
// checks every step. It stands in for the drop timer, so nothing happens between its steps.
class SoakPlayer {
public:
    struct Totals {
        int games = 0;       // ended by game over
        int unfinished = 0;  // given up after MaxStepsPerGame
        long steps = 0;      // checked steps, new games included
        long bursts = 0;
    };

    static constexpr int MaxStepsPerGame = 20000;

    // Starts up in the current working directory, which must hold the three sounds.
    explicit SoakPlayer(std::uint64_t seed);
    ~SoakPlayer();
    SoakPlayer(const SoakPlayer&) = delete;
    SoakPlayer& operator=(const SoakPlayer&) = delete;

    // Plays `games` games one after another; returns the first broken rule, or an empty text.
    std::string play(int games);
    Totals totals() const;

private:
    enum class Move { Tick, Down, Left, Right, Up, NoKey, SpeedClick };

    std::string startUp();
    std::string playGame();
    std::string startGame();
    std::string chooseSpeed();
    std::string step(Move move);
    void perform(Move move);
    std::string checkStep(Move move, bool wasRunning, int namesBefore);
    std::string checkSpeedRefused(int checkedBefore, int intervalBefore) const;
    std::string checkChecks() const;
    std::string checkMessages(bool gameEnded);
    std::string afterGameOver(int namesAsked);
    void putAwayCompanions();
    std::string activate();
    Move randomMove(bool running);
    int pick(int count);

    std::mt19937_64 engine_;
    RandomNameDialogs dialogs_;
    sound::OpenAlAudio audio_;
    ui::WindowSet windows_;
    SoakCompanions companions_;
    SeededRandom random_;
    ui::Form1 form_;
    QTimer* timer_ = nullptr;
    std::array<QAction*, SpeedSetting::Items.size()> speedItems_{};
    QAction* newGame_ = nullptr;
    StepAudit audit_;
    RecordsCheck records_;
    Totals totals_;
};

}  // namespace quarrix::soak

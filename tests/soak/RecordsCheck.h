#pragma once

#include "game/FinishedGame.h"
#include "records/HighScoreTables.h"

#include <string>

class QWidget;

namespace quarrix::soak {

// After a game over: the HighScores file in the working directory, the records window and the
// Highest panel must all tell the same story, and the finished game must have entered exactly
// the tables it earned a place in, with every older row kept in order.
class RecordsCheck {
public:
    // The tables as they stood before the first game (the file did not exist yet).
    RecordsCheck() = default;

    // Returns the first difference in words, or an empty text. `namesAsked` counts the name
    // prompts of this game over.
    std::string afterGameOver(const FinishedGame& game, int namesAsked, const QWidget& recordsWindow,
                              const QWidget& mainWindow);

private:
    std::string checkFile(records::HighScoreTables& tables) const;
    std::string checkRanking(const FinishedGame& game, int namesAsked, const records::HighScoreTables& tables) const;
    static std::string checkTable(const records::HighScoreTable& before, const records::HighScoreTable& after,
                                  int table, const FinishedGame& game, bool earned);
    static std::string checkWindow(const QWidget& recordsWindow, const records::HighScoreTables& tables);
    static std::string checkPanel(const QWidget& mainWindow, const records::HighScoreTables& tables);

    records::HighScoreTables previous_{};
};

}  // namespace quarrix::soak

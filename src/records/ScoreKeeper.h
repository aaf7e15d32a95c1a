#pragma once

#include "HighScoreTable.h"
#include "Ranking.h"
#include "game/GameServices.h"

#include <string>
#include <string_view>

class QString;

namespace quarrix::records {

// Shows the player a message and waits until it is closed.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const PlayerText& text) = 0;
};

// The main window's Highest panel: the tops of the three tables, shown as stored.
class HighestPanel {
public:
    virtual ~HighestPanel() = default;
    virtual void showHighest(const std::string& score, const std::string& combo, const std::string& chain) = 0;
};

// Keeps the three high-score tables: loads them from the HighScores file, ranks a
// finished game in them, saves them back and keeps the Highest panel up to date.
class ScoreKeeper {
public:
    static constexpr std::string_view FileName = "HighScores";
    static constexpr const char* LoadErrorMessage = QT_TRANSLATE_NOOP(
        "quarrix::records",
        "Error: There was an error in loading the HighScore Table, this may be because the file 'HighScores' is "
        "currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten");

    struct Services {
        NamePrompt& prompt;
        MessageSink& messages;
        HighestPanel& panel;
    };

    // Starts with the placeholder row in every table; `path` is where the file lives.
    ScoreKeeper(Services services, std::string path = std::string(FileName));

    const HighScoreTables& tables() const { return tables_; }

    // Reads the file into the tables, from their placeholder rows on, and refreshes the panel. On any
    // failure shows the load error once, keeps the rows read before it and leaves the panel as it
    // was. Returns whether it loaded.
    bool load();
    // Replaces the file with the tables, whole: a crash or a full disk leaves the old file or the
    // new one, never a part. On failure tells the player which file and why; the tables stay as
    // they are. Returns whether it saved.
    bool save();
    // Ranks the game in the scores, combos and chains tables in turn (one name prompt per table
    // it enters), then saves and refreshes the panel, also when it entered none. Another copy of
    // the game may share the folder: what it saved meanwhile is read in first, and the save runs
    // under a lock beside the file, so neither copy erases the other's rows.
    void processScore(const FinishedGame& game);

private:
    // What tells one version of the file from the next: a replaced file has a new inode, a file
    // rewritten in place a new size or modification time. Equal for a file that is missing.
    struct Stamp {
        unsigned long long device = 0, inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

    Stamp stamp() const;
    bool catchUp();
    // Reads the whole file into `tables`; false when it is missing, too large or damaged.
    bool readInto(HighScoreTables& tables) const;
    void refreshPanel();
    PlayerText saveFailureMessage(const char* failure, const QString& reason) const;

    NamePrompt& prompt_;
    MessageSink& messages_;
    HighestPanel& panel_;
    std::string path_;
    HighScoreTables tables_;
    Stamp seen_;  // the file as this program last read or wrote it
};

}  // namespace quarrix::records

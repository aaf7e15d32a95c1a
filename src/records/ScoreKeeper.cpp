#include "ScoreKeeper.h"

#include "FileLock.h"
#include "HighScoresReader.h"
#include "HighScoresWriter.h"
#include "TableRanker.h"

#include <unistd.h>
#include <climits>
#include <utility>
#include <vector>

namespace quarrix::records {

ScoreKeeper::ScoreKeeper(Services services, std::string path)
    : prompt_(services.prompt), messages_(services.messages), panel_(services.panel), path_(std::move(path))
{}

bool ScoreKeeper::load()
{
    seen_ = FileStore::stamp(path_);
    tables_ = HighScoreTables{};
    if (!readInto(tables_)) {
        messages_.showMessage(std::string(LoadErrorMessage));
        return false;
    }
    refreshPanel();
    return true;
}

bool ScoreKeeper::save()
{
    const std::string failure = FileStore::replace(path_, HighScoresWriter::write(tables_));
    if (failure.empty()) {
        seen_ = FileStore::stamp(path_);
        return true;
    }
    messages_.showMessage(saveFailureMessage(failure));
    return false;
}

void ScoreKeeper::processScore(const FinishedGame& game)
{
    catchUp();  // the prompts offer the places the file holds now
    std::vector<std::pair<int, ScoreRow>> entered;
    for (int t = 0; t < TableCount; ++t) {
        HighScoreTable& table = tables_[static_cast<std::size_t>(t)];
        if (const auto index = TableRanker::rank(table, t, game, prompt_)) {
            entered.emplace_back(t, table.row(*index));
        }
    }
    {
        // Another copy may have saved while the names were typed: its tables, with this game's
        // rows placed in them again, are saved. Without the lock within the wait, save all the same.
        const FileLock lock(path_ + ".lock", std::chrono::milliseconds(1500));
        if (catchUp()) {
            for (const auto& [t, row] : entered) {
                TableRanker::place(tables_[static_cast<std::size_t>(t)], t, row);
            }
        }
        save();
    }
    refreshPanel();
}

// Takes in the tables another copy of the game saved since this one last read or wrote the file.
// A file that does not read whole is not taken: the tables stay as they were, so no record made
// here is lost. Returns whether the tables were replaced.
bool ScoreKeeper::catchUp()
{
    const FileStore::Stamp now = FileStore::stamp(path_);
    if (now == seen_) {
        return false;
    }
    HighScoreTables fresh;
    if (!readInto(fresh)) {
        return false;
    }
    tables_ = fresh;
    seen_ = now;
    return true;
}

bool ScoreKeeper::readInto(HighScoreTables& tables) const
{
    std::string bytes;
    return FileStore::read(path_, HighScoresReader::MaxFileBytes, bytes) == FileStore::ReadStatus::Read &&
           HighScoresReader::read(bytes, tables) == ReadOutcome::Loaded;
}

void ScoreKeeper::refreshPanel()
{
    panel_.showHighest(tables_[ScoresTable].row(0).score, tables_[CombosTable].row(0).combo,
                       tables_[ChainsTable].row(0).chain);
}

std::string ScoreKeeper::saveFailureMessage(const std::string& reason) const
{
    std::string where = path_;
    char cwd[PATH_MAX];
    if (!path_.starts_with('/') && ::getcwd(cwd, sizeof cwd) != nullptr) {
        where = std::string(cwd) + "/" + path_;
    }
    return "Error: The HighScore Table could not be saved to the file '" + where + "' (" + reason +
           "). The file keeps the tables it held before; the new scores stay in the Records window until the "
           "next save.";
}

}  // namespace quarrix::records

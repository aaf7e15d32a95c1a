#include "ScoreKeeper.h"

#include "FileStore.h"
#include "HighScoresReader.h"
#include "HighScoresWriter.h"
#include "TableRanker.h"

#include <unistd.h>
#include <climits>
#include <utility>

namespace quarrix::records {

ScoreKeeper::ScoreKeeper(Services services, std::string path)
    : prompt_(services.prompt), messages_(services.messages), panel_(services.panel), path_(std::move(path))
{}

bool ScoreKeeper::load()
{
    std::string bytes;
    const bool loaded = FileStore::read(path_, HighScoresReader::MaxFileBytes, bytes) == FileStore::ReadStatus::Read &&
                        HighScoresReader::read(bytes, tables_) == ReadOutcome::Loaded;
    if (!loaded) {
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
        return true;
    }
    messages_.showMessage(saveFailureMessage(failure));
    return false;
}

void ScoreKeeper::processScore(const FinishedGame& game)
{
    for (int t = 0; t < TableCount; ++t) {
        TableRanker::rank(tables_[static_cast<std::size_t>(t)], t, game, prompt_);
    }
    save();
    refreshPanel();
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

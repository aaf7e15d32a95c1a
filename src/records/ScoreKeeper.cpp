#include "ScoreKeeper.h"

#include "HighScoresFile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <sys/stat.h>
#include <utility>
#include <vector>

namespace quarrix::records {

namespace {
QString qtPath(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}
}  // namespace

ScoreKeeper::ScoreKeeper(Services services, std::string path)
    : prompt_(services.prompt), messages_(services.messages), panel_(services.panel), path_(std::move(path))
{}

bool ScoreKeeper::load()
{
    seen_ = stamp();
    tables_ = HighScoreTables{};
    if (!readInto(tables_)) {
        messages_.showMessage(PlayerText{LoadErrorMessage});
        return false;
    }
    refreshPanel();
    return true;
}

bool ScoreKeeper::save()
{
    // QSaveFile writes a new file beside the old one, flushes it to the disk and only then
    // renames it over the old one; on any failure it removes the new file again.
    const std::string bytes = HighScoresWriter::write(tables_);
    QSaveFile file(qtPath(path_));
    const char* failure = nullptr;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = QT_TRANSLATE_NOOP("quarrix::records", "cannot create the new file");
    } else if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        failure = QT_TRANSLATE_NOOP("quarrix::records", "cannot write the new file");
    } else if (!file.commit()) {
        failure = QT_TRANSLATE_NOOP("quarrix::records", "cannot replace the old file");
    }
    if (failure == nullptr) {
        seen_ = stamp();
        return true;
    }
    messages_.showMessage(saveFailureMessage(failure, file.errorString()));
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
        // rows placed in them again, are saved. Without the lock within the wait, save all the
        // same. A lock whose holder has died is stale, and QLockFile takes it over at once.
        QLockFile lock(qtPath(path_ + ".lock"));
        lock.tryLock(1500);
        if (catchUp()) {
            for (const auto& [t, row] : entered) {
                TableRanker::place(tables_[static_cast<std::size_t>(t)], t, row);
            }
        }
        save();
    }
    refreshPanel();
}

// Qt's file information has no inode, and its times are whole milliseconds: stat() tells apart
// two versions saved within one millisecond.
ScoreKeeper::Stamp ScoreKeeper::stamp() const
{
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) {
        return {};
    }
    return Stamp{info.st_dev, info.st_ino, static_cast<unsigned long long>(info.st_size), info.st_mtim.tv_sec,
                 info.st_mtim.tv_nsec};
}

// Takes in the tables another copy of the game saved since this one last read or wrote the file.
// A file that does not read whole is not taken: the tables stay as they were, so no record made
// here is lost. Returns whether the tables were replaced.
bool ScoreKeeper::catchUp()
{
    const Stamp now = stamp();
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
    QFile file(qtPath(path_));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;  // also a folder in the way
    }
    // One byte past the limit is enough for the reader to refuse a file that is too large.
    const QByteArray bytes = file.read(static_cast<qint64>(HighScoresReader::MaxFileBytes) + 1);
    return file.error() == QFileDevice::NoError &&
           HighScoresReader::read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                  tables) == ReadOutcome::Loaded;
}

void ScoreKeeper::refreshPanel()
{
    panel_.showHighest(tables_[ScoresTable].row(0).score, tables_[CombosTable].row(0).combo,
                       tables_[ChainsTable].row(0).chain);
}

// The system's reason comes from Qt, in the language Qt speaks.
PlayerText ScoreKeeper::saveFailureMessage(const char* failure, const QString& reason) const
{
    const std::string where = QFile::encodeName(QDir::current().absoluteFilePath(qtPath(path_))).toStdString();
    return PlayerText(
        QT_TRANSLATE_NOOP("quarrix::records",
                          "Error: The HighScore Table could not be saved to the file '%1' (%2: %3). The file keeps "
                          "the tables it held before; the new scores stay in the Records window until the next "
                          "save."),
        {PlayerText::of(where), PlayerText(failure), PlayerText::of(reason.toStdString())});
}

}  // namespace quarrix::records

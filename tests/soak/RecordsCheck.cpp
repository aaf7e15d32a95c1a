#include "RecordsCheck.h"

#include "records/HighScoresReader.h"
#include "records/HighScoresWriter.h"
#include "records/ScoreKeeper.h"

#include <QLabel>
#include <QListWidget>

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace quarrix::soak {

namespace {
using records::HighScoreTable;
using records::HighScoreTables;
using records::ScoreRow;

double keyValue(const ScoreRow& row, int table)
{
    return std::strtod(records::keyText(row, table).c_str(), nullptr);
}

double keyValue(const FinishedGame& game, int table)
{
    const std::array<std::int64_t, 3> keys{game.score, game.bestCombo, game.bestChain};
    return static_cast<double>(keys[static_cast<std::size_t>(table)]);
}

bool earnsPlace(const HighScoreTable& table, int t, const FinishedGame& game)
{
    // Ties keep the older rows ahead, so a full table needs a strictly better figure.
    return !table.full() || keyValue(table.row(table.size() - 1), t) < keyValue(game, t);
}

std::string cleanNameProblem(const std::string& name)
{
    constexpr std::size_t LongestSuffix = 11;  // " (spd=+75%)"
    if (name.size() > 64 + LongestSuffix) {
        return "a stored name of " + std::to_string(name.size()) + " bytes";
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || byte == 0x7F) {
            return "a stored name with byte " + std::to_string(byte);
        }
    }
    if (name == records::HighScoresReader::Separator) {
        return "a stored name that reads as the end of a table";
    }
    return {};
}

QStringList column(const HighScoreTable& table, std::string ScoreRow::*field)
{
    QStringList items;
    for (const ScoreRow& row : table.rows()) {
        const std::string& text = row.*field;
        items << QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    return items;
}

QStringList shown(const QListWidget& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items << list.item(i)->text();
    }
    return items;
}
}  // namespace

std::string RecordsCheck::afterGameOver(const FinishedGame& game, int namesAsked, const QWidget& recordsWindow,
                                        const QWidget& mainWindow)
{
    HighScoreTables tables;
    std::string broken = checkFile(tables);
    if (broken.empty()) {
        broken = checkRanking(game, namesAsked, tables);
    }
    if (broken.empty()) {
        broken = checkWindow(recordsWindow, tables);
    }
    if (broken.empty()) {
        broken = checkPanel(mainWindow, tables);
    }
    if (broken.empty()) {
        previous_ = tables;
    }
    return broken;
}

std::string RecordsCheck::checkFile(HighScoreTables& tables) const
{
    std::ifstream in(std::string(records::ScoreKeeper::FileName), std::ios::binary);
    if (!in) {
        return "no HighScores file after a game over";
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (records::HighScoresReader::read(bytes, tables) != records::ReadOutcome::Loaded) {
        return "the HighScores file written at game over does not read back";
    }
    if (records::HighScoresWriter::write(tables) != bytes) {
        return "the HighScores file read back does not save to the same bytes";
    }
    return {};
}

std::string RecordsCheck::checkRanking(const FinishedGame& game, int namesAsked, const HighScoreTables& tables) const
{
    int earned = 0;
    for (int t = 0; t < records::TableCount; ++t) {
        const auto index = static_cast<std::size_t>(t);
        const bool places = earnsPlace(previous_[index], t, game);
        earned += places ? 1 : 0;
        if (std::string broken = checkTable(previous_[index], tables[index], t, game, places); !broken.empty()) {
            return "table " + std::to_string(t) + ": " + broken;
        }
    }
    if (namesAsked != earned) {
        return "asked for " + std::to_string(namesAsked) + " names for a game that entered " + std::to_string(earned) +
               " tables";
    }
    return {};
}

std::string RecordsCheck::checkTable(const HighScoreTable& before, const HighScoreTable& after, int table,
                                     const FinishedGame& game, bool earned)
{
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (std::string problem = cleanNameProblem(after.row(i).name); !problem.empty()) {
            return problem + " in row " + std::to_string(i + 1);
        }
        if (i > 0 && keyValue(after.row(i - 1), table) < keyValue(after.row(i), table)) {
            return "row " + std::to_string(i + 1) + " ranks above row " + std::to_string(i);
        }
    }
    if (!earned) {
        return after == before ? std::string{} : "changed although the game earned no place";
    }
    const std::size_t expectedSize = std::min(before.size() + 1, HighScoreTable::Capacity);
    if (after.size() != expectedSize) {
        return std::to_string(after.size()) + " rows, expected " + std::to_string(expectedSize);
    }
    std::size_t inserted = 0;
    while (inserted < before.size() && after.row(inserted) == before.row(inserted)) {
        ++inserted;
    }
    const ScoreRow& row = after.row(inserted);
    if (row.score != std::to_string(game.score) || row.combo != std::to_string(game.bestCombo) ||
        row.chain != std::to_string(game.bestChain)) {
        return "row " + std::to_string(inserted + 1) + " is not the finished game";
    }
    for (std::size_t i = inserted + 1; i < after.size(); ++i) {
        if (after.row(i) != before.row(i - 1)) {
            return "older row " + std::to_string(i) + " was lost or changed";
        }
    }
    return {};
}

std::string RecordsCheck::checkWindow(const QWidget& recordsWindow, const HighScoreTables& tables)
{
    const std::array<std::pair<const char*, std::string ScoreRow::*>, 4> columns{{
        {"listName_", &ScoreRow::name},
        {"listScore_", &ScoreRow::score},
        {"listCombo_", &ScoreRow::combo},
        {"listChain_", &ScoreRow::chain},
    }};
    for (int t = 0; t < records::TableCount; ++t) {
        for (const auto& [prefix, field] : columns) {
            const QString name = QString::fromLatin1(prefix) + QString::number(t);
            const auto* list = recordsWindow.findChild<const QListWidget*>(name);
            if (list == nullptr) {
                return "the records window has no " + name.toStdString();
            }
            if (shown(*list) != column(tables[static_cast<std::size_t>(t)], field)) {
                return name.toStdString() + " differs from the HighScores file";
            }
        }
    }
    return {};
}

std::string RecordsCheck::checkPanel(const QWidget& mainWindow, const HighScoreTables& tables)
{
    const std::array<const char*, 3> labels{"lblHScore", "lblHCombo", "lblHChain"};
    for (int t = 0; t < records::TableCount; ++t) {
        const auto index = static_cast<std::size_t>(t);
        const auto* label = mainWindow.findChild<const QLabel*>(QString::fromLatin1(labels[index]));
        const std::string& top = records::keyText(tables[index].row(0), t);
        if (label == nullptr || label->text() != QString::fromLatin1(top.data(), static_cast<qsizetype>(top.size()))) {
            return std::string(labels[index]) + " does not show row 1 of its table (" + top + ")";
        }
    }
    return {};
}

}  // namespace quarrix::soak

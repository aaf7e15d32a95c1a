#include "HighScoresReader.h"

#include "ItemScanner.h"

#include <array>

namespace quarrix::records {

ReadOutcome HighScoresReader::read(std::string_view bytes, HighScoreTables& tables)
{
    if (bytes.size() > MaxFileBytes) {
        return ReadOutcome::Damaged;
    }
    ItemScanner scanner(bytes);
    int table = 0;
    std::size_t rowIndex = 0;
    std::string name;
    while (true) {
        const ItemScanner::Result result = scanner.next(name);
        if (result == ItemScanner::Result::End) {
            return ReadOutcome::Loaded;
        }
        if (result == ItemScanner::Result::Damaged || table >= TableCount) {
            return ReadOutcome::Damaged;
        }
        if (name == Separator) {
            ++table;
            rowIndex = 0;
            continue;
        }
        std::array<std::string, 3> figures;
        for (std::string& figure : figures) {
            // A file that ends inside a row is as damaged as a broken item.
            if (scanner.next(figure) != ItemScanner::Result::Item) {
                return ReadOutcome::Damaged;
            }
        }
        tables[static_cast<std::size_t>(table)].storeRow(
            rowIndex, ScoreRow{std::move(name), std::move(figures[0]), std::move(figures[1]), std::move(figures[2])});
        ++rowIndex;
    }
}

}  // namespace quarrix::records

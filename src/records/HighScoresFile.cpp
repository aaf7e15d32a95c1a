#include "HighScoresFile.h"

#include "ItemCodec.h"

#include <array>

namespace quarrix::records {

std::string StoredText::storable(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '"') {
            c = '\'';
        }
    }
    return out;
}

std::string StoredText::cleanName(std::string_view typed)
{
    std::string out = storable(typed.substr(0, ItemCodec::prefixBytes(typed, MaxNameLength)));
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    return out;
}

namespace {
// Splits the bytes of the file into items, each read as text (see ItemCodec).
class ItemScanner {
public:
    enum class Result { Item, End, Damaged };

    explicit ItemScanner(std::string_view bytes) : bytes_(bytes) {}

    // End when no byte is left; Damaged for a quote that never closes (a cut-off file) or an
    // item over MaxItemBytes.
    Result next(std::string& item)
    {
        if (pos_ >= bytes_.size()) {
            return Result::End;
        }
        skipBlanks();
        const Result result = pos_ < bytes_.size() && bytes_[pos_] == '"' ? quoted(item) : unquoted(item);
        if (result == Result::Item) {
            item = ItemCodec::decode(item);
        }
        return result;
    }

private:
    // The separator after a quoted item goes with it.
    Result quoted(std::string& item)
    {
        const std::size_t start = pos_ + 1;
        const std::size_t close = bytes_.find('"', start);
        if (close == std::string_view::npos || close - start > HighScoresReader::MaxItemBytes) {
            return Result::Damaged;
        }
        item.assign(bytes_.substr(start, close - start));
        pos_ = close + 1;
        skipBlanks();
        skipSeparator();
        return Result::Item;
    }

    Result unquoted(std::string& item)
    {
        std::size_t end = pos_;
        while (end < bytes_.size() && bytes_[end] != ',' && bytes_[end] != '\r' && bytes_[end] != '\n') {
            ++end;
        }
        if (end - pos_ > HighScoresReader::MaxItemBytes) {
            return Result::Damaged;
        }
        // A quote inside an unquoted item could not be written back as read.
        item = StoredText::storable(bytes_.substr(pos_, end - pos_));
        pos_ = end;
        skipSeparator();
        return Result::Item;
    }

    void skipBlanks()
    {
        while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) {
            ++pos_;
        }
    }

    void skipSeparator()
    {
        if (pos_ >= bytes_.size()) {
            return;
        }
        const char c = bytes_[pos_];
        if (c == ',' || c == '\n') {
            ++pos_;
        } else if (c == '\r') {
            ++pos_;
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n') {
                ++pos_;
            }
        }
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

void appendLine(std::string& out, std::string_view item)
{
    out += '"';
    out += ItemCodec::encode(item);
    out += "\"\r\n";
}
}  // namespace

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

std::string HighScoresWriter::write(const HighScoreTables& tables)
{
    std::string out;
    out.reserve(4096);
    for (const HighScoreTable& table : tables) {
        for (const ScoreRow& row : table.rows()) {
            appendLine(out, row.name);
            appendLine(out, row.score);
            appendLine(out, row.combo);
            appendLine(out, row.chain);
        }
        appendLine(out, HighScoresReader::Separator);
    }
    return out;
}

}  // namespace quarrix::records

#include "HighScoresWriter.h"

#include "HighScoresReader.h"
#include "ItemCodec.h"

namespace quarrix::records {

namespace {
void appendLine(std::string& out, std::string_view item)
{
    out += '"';
    out += ItemCodec::encode(item);
    out += "\"\r\n";
}
}  // namespace

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

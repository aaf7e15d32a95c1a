// libFuzzer target for the HighScores reader. Whatever the bytes, reading must stay within its
// bounds, and whatever it loaded (also from a damaged file) must save and read back the same.
#include "records/HighScoresReader.h"
#include "records/HighScoresWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace quarrix::records;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    HighScoreTables loaded;
    HighScoresReader::read(bytes, loaded);
    for (const HighScoreTable& table : loaded) {
        if (table.size() < 1 || table.size() > HighScoreTable::Capacity) {
            std::abort();
        }
    }

    const std::string saved = HighScoresWriter::write(loaded);
    HighScoreTables reloaded;
    if (HighScoresReader::read(saved, reloaded) != ReadOutcome::Loaded || reloaded != loaded) {
        std::abort();
    }
    if (HighScoresWriter::write(reloaded) != saved) {
        std::abort();
    }
    return 0;
}

// libFuzzer target for the HighScores reader. Whatever the bytes, reading must stay within its
// bounds, and whatever it loaded (also from a damaged file) must save and read back the same.
#include "records/HighScoresFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace quarrix::records;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HighScoreTables loaded, reloaded;
    HighScoresReader::read(std::string_view(reinterpret_cast<const char*>(data), size), loaded);
    bool broken =
        HighScoresReader::read(HighScoresWriter::write(loaded), reloaded) != ReadOutcome::Loaded || reloaded != loaded;
    for (const HighScoreTable& table : loaded)
        broken = broken || table.size() < 1 || table.size() > HighScoreTable::Capacity;
    if (broken)
        std::abort();
    return 0;
}

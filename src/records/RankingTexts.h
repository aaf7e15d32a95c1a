#pragma once

#include <string>
#include <string_view>

namespace quarrix::records {

// The texts of the ranking: the name prompt and the speed mark appended to every name.
class RankingTexts {
public:
    // Three lines joined by a line feed: the header, "...and have aquired the Number " with the
    // position (1 to 10) and the table's text, and "Please Enter Your Name: ".
    static std::string namePrompt(int table, int position, bool tableFull);
    // " (spd=0)" and the like for the seven drop intervals; empty for any other interval.
    static std::string_view speedSuffix(int intervalMs);
    // The name stored for what the player typed at the given speed.
    static std::string storedName(std::string_view typed, int intervalMs);
};

}  // namespace quarrix::records

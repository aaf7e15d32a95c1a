#pragma once

#include <string_view>

namespace quarrix::records {

// The value of a figure held as text: its leading numeric text (blanks, a sign, digits and a
// decimal fraction); empty or non-numeric text counts as 0.
class NumericText {
public:
    static double value(std::string_view text);
};

}  // namespace quarrix::records

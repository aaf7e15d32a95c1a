#include "NumericText.h"

namespace quarrix::records {

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
}  // namespace

double NumericText::value(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    double sign = 1.0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    double whole = 0.0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        whole = whole * 10.0 + (text[i] - '0');
    }
    double fraction = 0.0;
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            fraction += (text[i] - '0') * scale;
            scale /= 10.0;
        }
    }
    return sign * (whole + fraction);
}

}  // namespace quarrix::records

#include "RandomNameDialogs.h"

namespace quarrix::soak {

QString RandomNameDialogs::inputBox(const QString& prompt)
{
    ++namesAsked_;
    if (!prompt.endsWith(QStringLiteral("\nPlease Enter Your Name: "))) {
        oddPrompts_ << prompt;
    }
    return randomName();
}

QString RandomNameDialogs::randomLetters(int count)
{
    std::uniform_int_distribution<int> letter('a', 'z');
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QChar(letter(engine_));
    }
    return text;
}

QString RandomNameDialogs::randomName()
{
    std::uniform_int_distribution<int> kind(0, 9);
    const QString word = randomLetters(std::uniform_int_distribution<int>(1, 12)(engine_));
    switch (kind(engine_)) {
    case 0: return {};  // cancelled
    case 1: return QStringLiteral("\"") + word + QStringLiteral("\" \"\"");
    case 2: return word + QStringLiteral("\r\n") + word + QStringLiteral("\nNEXT\n\"");
    case 3: return randomLetters(std::uniform_int_distribution<int>(60, 2000)(engine_));
    case 4: return QStringLiteral("NEXT");
    case 5: return word + QStringLiteral(" Zo\u00eb \u2603 \u540d\u524d");
    case 6: return word + QStringLiteral("\t\x01\x1b[31m\x7f");
    case 7: return QStringLiteral(",\",\"") + word;
    default: return word;
    }
}

}  // namespace quarrix::soak

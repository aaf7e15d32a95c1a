#pragma once

#include "records/ScoreKeeper.h"

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quarrix::test {

// Gives the answers in turn, then cancels, first running `meanwhile` once as another copy would; keeps what it saw.
class RecordsFakes final : public records::NamePrompt, public records::MessageSink, public records::HighestPanel {
public:
    std::vector<std::string> answers, prompts, messages;
    std::function<void()> meanwhile;  // empty: nothing happens meanwhile

    std::string askName(const records::PlayerText& prompt) override
    {
        prompts.push_back(prompt.english());
        if (meanwhile)
            std::exchange(meanwhile, nullptr)();
        if (prompts.size() > answers.size())
            return {};
        return answers[prompts.size() - 1];
    }
    void showMessage(const records::PlayerText& text) override { messages.push_back(text.english()); }
    // The panel is the windows' to check; no test of the records reads it.
    void showHighest(const std::string& /*s*/, const std::string& /*c*/, const std::string& /*h*/) override {}
};

// A working directory of its own for one test, removed with all it holds.
struct TempWorkingDir {
    TempWorkingDir() { QDir::setCurrent(dir.path()); }
    ~TempWorkingDir() { QDir::setCurrent(previous); }

    QString previous = QDir::currentPath();
    QTemporaryDir dir;
    std::filesystem::path path = dir.path().toStdString();
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path)
{
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

inline std::string quotedLines(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items)
        out += "\"" + item + "\"\r\n";
    return out;
}

}  // namespace quarrix::test

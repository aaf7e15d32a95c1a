#pragma once

#include "records/ScoreKeeper.h"

#include <unistd.h>

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

// A working directory of its own for one test, named by the process: ctest runs each test alone.
struct TempWorkingDir {
    TempWorkingDir()
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directory(path);
        std::filesystem::current_path(path);
    }
    ~TempWorkingDir()
    {
        std::error_code ignored;  // a destructor must not throw
        std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(path, ignored);
    }

    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quarrix-test-" + std::to_string(::getpid()));
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

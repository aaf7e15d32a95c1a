#pragma once

#include "records/ScoreKeeper.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quarrix::test {

// Gives the answers in turn, then cancels, first running `meanwhile` once as another copy would; keeps what it saw.
class RecordsFakes final : public records::NamePrompt, public records::MessageSink, public records::HighestPanel {
public:
    std::vector<std::string> answers, prompts, messages, highest;
    std::function<void()> meanwhile;  // empty: nothing happens meanwhile

    std::string askName(const std::string& prompt) override
    {
        prompts.push_back(prompt);
        if (meanwhile)
            std::exchange(meanwhile, nullptr)();
        return prompts.size() <= answers.size() ? answers[prompts.size() - 1] : std::string();
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showHighest(const std::string& s, const std::string& c, const std::string& h) override { highest = {s, c, h}; }
};

// A working directory of its own for one test; a failed mkdtemp leaves none, and changing into it throws.
struct TempWorkingDir {
    TempWorkingDir() { std::filesystem::current_path(path = ::mkdtemp(pattern.data()) != nullptr ? pattern : ""); }
    ~TempWorkingDir()
    {
        std::error_code ignored;  // a destructor must not throw
        std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(path, ignored);
    }

    std::filesystem::path previous = std::filesystem::current_path(), path;
    std::string pattern = (std::filesystem::temp_directory_path() / "quarrix-test-XXXXXX").string();
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
    const auto quoted = [](std::string out, const std::string& item) { return out + "\"" + item + "\"\r\n"; };
    return std::accumulate(items.begin(), items.end(), std::string(), quoted);
}

}  // namespace quarrix::test

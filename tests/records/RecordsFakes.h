#pragma once

#include "records/HighestPanel.h"
#include "records/MessageSink.h"
#include "records/NamePrompt.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quarrix::test {

// Gives the answers in turn, then cancels; keeps the prompts, the messages and the panel's rows.
class RecordsFakes final : public records::NamePrompt, public records::MessageSink, public records::HighestPanel {
public:
    std::vector<std::string> answers, prompts, messages, highest;

    std::string askName(const std::string& prompt) override
    {
        prompts.push_back(prompt);
        return prompts.size() <= answers.size() ? answers[prompts.size() - 1] : std::string();
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showHighest(const std::string& s, const std::string& c, const std::string& h) override { highest = {s, c, h}; }
};

// A fresh working directory for one test, so no test sees another's HighScores file.
class TempWorkingDir {
public:
    // A failed mkdtemp leaves no such directory, and changing into it throws.
    TempWorkingDir() { std::filesystem::current_path(path_ = ::mkdtemp(pattern_.data()) ? pattern_ : ""); }
    ~TempWorkingDir()
    {
        std::error_code e;
        std::filesystem::current_path(previous_, e);
        std::filesystem::remove_all(path_, e);
    }

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_ = std::filesystem::current_path(), path_;
    std::string pattern_ = (std::filesystem::temp_directory_path() / "quarrix-test-XXXXXX").string();
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file's bytes for the given items, each quoted on its own line ending in CR LF.
inline std::string quotedLines(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items) {
        out += "\"" + item + "\"\r\n";
    }
    return out;
}

}  // namespace quarrix::test

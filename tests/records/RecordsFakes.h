#pragma once

#include "records/HighestPanel.h"
#include "records/MessageSink.h"
#include "records/NamePrompt.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace quarrix::test {

// Gives the answers in turn, then cancels (empty text); keeps every prompt it was shown.
class ScriptedPrompt final : public records::NamePrompt {
public:
    std::vector<std::string> answers, prompts;

    std::string askName(const std::string& prompt) override
    {
        prompts.push_back(prompt);
        return prompts.size() <= answers.size() ? answers[prompts.size() - 1] : std::string();
    }
};

class RecordedMessages final : public records::MessageSink {
public:
    std::vector<std::string> shown;
    void showMessage(const std::string& text) override { shown.push_back(text); }
};

class RecordedPanel final : public records::HighestPanel {
public:
    std::vector<std::string> highest;  // score, combo, chain
    int refreshes = 0;

    void showHighest(const std::string& score, const std::string& combo, const std::string& chain) override
    {
        highest = {score, combo, chain};
        ++refreshes;
    }
};

// A fresh working directory for one test, so no test sees another's HighScores file.
class TempWorkingDir {
public:
    TempWorkingDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quarrix-records-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary directory");
        }
        std::filesystem::current_path(path_ = pattern);
    }
    ~TempWorkingDir()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempWorkingDir(const TempWorkingDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path path_;
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

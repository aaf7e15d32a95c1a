#pragma once

#include "records/HighestPanel.h"
#include "records/MessageSink.h"
#include "records/NamePrompt.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace quarrix::test {

// Answers the name prompts from a queue (empty text, as a cancel, once it runs dry) and keeps
// every prompt it was shown.
class ScriptedPrompt final : public records::NamePrompt {
public:
    std::deque<std::string> answers;
    std::vector<std::string> prompts;

    std::string askName(const std::string& prompt) override
    {
        prompts.push_back(prompt);
        if (answers.empty()) {
            return {};
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordedMessages final : public records::MessageSink {
public:
    std::vector<std::string> shown;
    void showMessage(const std::string& text) override { shown.push_back(text); }
};

// The Highest panel's three labels, "0" as at start-up; counts the refreshes.
class RecordedPanel final : public records::HighestPanel {
public:
    std::string score = "0";
    std::string combo = "0";
    std::string chain = "0";
    int refreshes = 0;

    void showHighest(const std::string& s, const std::string& co, const std::string& ch) override
    {
        score = s;
        combo = co;
        chain = ch;
        ++refreshes;
    }
};

// Runs a test in a fresh, empty working directory of its own, so no test sees another's
// HighScores file; the directory is removed afterwards.
class TempWorkingDir {
public:
    TempWorkingDir() : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quarrix-records-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary directory");
        }
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~TempWorkingDir()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempWorkingDir(const TempWorkingDir&) = delete;
    TempWorkingDir& operator=(const TempWorkingDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file's bytes for items given one per line, each quoted and ended by CR LF.
inline std::string quotedLines(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items) {
        out += "\"" + item + "\"\r\n";
    }
    return out;
}

}  // namespace quarrix::test

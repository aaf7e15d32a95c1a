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

// Gives the answers in turn, then cancels; keeps the prompts, the messages and the panel's rows.
class RecordsFakes final : public records::NamePrompt, public records::MessageSink, public records::HighestPanel {
public:
    std::vector<std::string> answers, prompts, messages, highest;
    int refreshes = 0;

    std::string askName(const std::string& prompt) override
    {
        prompts.push_back(prompt);
        return prompts.size() <= answers.size() ? answers[prompts.size() - 1] : std::string();
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
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
        std::string pattern = (std::filesystem::temp_directory_path() / "quarrix-test-XXXXXX").string();
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

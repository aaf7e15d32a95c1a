#pragma once

#include <filesystem>

namespace quarrix::soak {

// A fresh temporary folder made the working directory for its lifetime, since the game
// reads and writes HighScores and its sounds in the working directory.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Leaves the folder behind for a look after a failure.
    void keep() { keep_ = true; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
    bool keep_ = false;
};

}  // namespace quarrix::soak

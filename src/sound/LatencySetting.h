#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quarrix::sound {

// The game ships an OpenAL Soft configuration asking for a short output buffer. OpenAL Soft
// reads its configuration once, at the first call into it, from a list of files of which the
// one named by ALSOFT_CONF comes last and wins, key by key. The game names its own file there
// unless the player already has a say in the buffer: ALSOFT_CONF is set, or one of the other
// files sets period_size or periods for every device.
class LatencySetting {
public:
    using Environment = std::map<std::string, std::string>;

    // `programDir` is the folder of the executable; `systemFile` is OpenAL Soft's system-wide file.
    LatencySetting(Environment environment, std::filesystem::path programDir,
                   std::filesystem::path systemFile = "/etc/openal/alsoft.conf");

    // The file ALSOFT_CONF should name, or nothing: the player has a say or the game's file is missing.
    std::optional<std::filesystem::path> chosenFile() const;

    // Points this process's ALSOFT_CONF at the game's file when it should. Call it before any sound.
    static void apply();

private:
    std::string variable(const std::string& name) const;
    // The files OpenAL Soft reads before the one named by ALSOFT_CONF.
    std::vector<std::filesystem::path> playerFiles() const;

    Environment environment_;
    std::filesystem::path programDir_;
    std::filesystem::path systemFile_;
};

}  // namespace quarrix::sound

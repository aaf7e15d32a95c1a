#include "LatencySetting.h"

#include <strings.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace quarrix::sound {

namespace {
constexpr const char* ConfigVariable = "ALSOFT_CONF";
// Where the game's own file lies, seen from the program's folder; the build lays out its tree
// and the install alike.
constexpr const char* ShippedFile = QUARRIX_SHIPPED_CONF;

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool isBufferKey(const std::string& key)
{
    return ::strcasecmp(key.c_str(), "period_size") == 0 || ::strcasecmp(key.c_str(), "periods") == 0;
}

// Whether the file gives period_size or periods a value for every device: in its [general]
// section or before any section header, as OpenAL Soft reads it. A missing file sets nothing.
bool setsBufferSize(const std::filesystem::path& file)
{
    std::ifstream in(file);
    bool general = true;
    std::string line;
    while (std::getline(in, line)) {
        const std::string text = trimmed(line.substr(0, line.find('#')));
        if (text.starts_with('[')) {
            const auto end = text.find(']');
            if (end != std::string::npos && end > 1 && end + 1 == text.size()) {  // else OpenAL Soft skips the line
                general = ::strcasecmp(text.substr(1, end - 1).c_str(), "general") == 0;
            }
            continue;
        }
        const auto equals = text.find('=');
        if (general && equals != std::string::npos && isBufferKey(trimmed(text.substr(0, equals))) &&
            !trimmed(text.substr(equals + 1)).empty()) {
            return true;
        }
    }
    return false;
}
}  // namespace

LatencySetting::LatencySetting(Environment environment, std::filesystem::path programDir,
                               std::filesystem::path systemFile)
    : environment_(std::move(environment)), programDir_(std::move(programDir)), systemFile_(std::move(systemFile))
{}

std::optional<std::filesystem::path> LatencySetting::chosenFile() const
{
    const std::filesystem::path shipped = (programDir_ / ShippedFile).lexically_normal();
    std::error_code error;
    if (!variable(ConfigVariable).empty() || !std::filesystem::is_regular_file(shipped, error)) {
        return std::nullopt;
    }
    for (const auto& file : playerFiles()) {
        if (setsBufferSize(file)) {
            return std::nullopt;
        }
    }
    return shipped;
}

void LatencySetting::apply()
{
    Environment environment;
    for (const char* name : {ConfigVariable, "HOME", "XDG_CONFIG_DIRS", "XDG_CONFIG_HOME"}) {
        if (const char* value = std::getenv(name)) {
            environment[name] = value;
        }
    }
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return;
    }
    if (const auto file = LatencySetting(environment, program.parent_path()).chosenFile()) {
        ::setenv(ConfigVariable, file->c_str(), 1);  // an empty ALSOFT_CONF counts as unset
    }
}

std::string LatencySetting::variable(const std::string& name) const
{
    const auto found = environment_.find(name);
    return found == environment_.end() ? std::string() : found->second;
}

std::vector<std::filesystem::path> LatencySetting::playerFiles() const
{
    std::vector<std::filesystem::path> files{systemFile_};
    const std::string dirs = variable("XDG_CONFIG_DIRS");
    std::istringstream list(dirs.empty() ? "/etc/xdg" : dirs);
    for (std::string dir; std::getline(list, dir, ':');) {
        if (dir.starts_with('/')) {  // OpenAL Soft skips relative ones
            files.emplace_back(std::filesystem::path(dir) / "alsoft.conf");
        }
    }
    const std::string home = variable("HOME");
    const std::string configHome = variable("XDG_CONFIG_HOME");
    if (!home.empty()) {
        files.emplace_back(std::filesystem::path(home) / ".alsoftrc");
    }
    if (!configHome.empty()) {
        files.emplace_back(std::filesystem::path(configHome) / "alsoft.conf");
    } else if (!home.empty()) {
        files.emplace_back(std::filesystem::path(home) / ".config/alsoft.conf");
    }
    files.emplace_back(programDir_ / "alsoft.conf");
    return files;
}

}  // namespace quarrix::sound

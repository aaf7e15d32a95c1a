#include "ScratchDirectory.h"

#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace quarrix::soak {

ScratchDirectory::ScratchDirectory() : previous_(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quarrix-soak-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a folder from " + pattern);
    }
    path_ = pattern;
    std::filesystem::current_path(path_);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    if (!keep_) {
        std::filesystem::remove_all(path_, ignored);
    }
}

}  // namespace quarrix::soak

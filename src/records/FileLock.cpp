#include "FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <thread>
#include <utility>

namespace quarrix::records {

namespace {
// The lock is only good while the path still names the file that was locked: the last holder
// removes it on release, and a waiter may have been waiting on that removed file.
bool stillNamedBy(int fd, const std::string& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
           held.st_dev == named.st_dev;
}
}  // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds patience) : path_(path)
{
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (true) {
        FileDescriptor file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (!file.valid()) {
            return;
        }
        if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && stillNamedBy(file.get(), path)) {
            file_ = std::move(file);
            return;
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FileLock::~FileLock()
{
    if (held()) {
        ::unlink(path_.c_str());  // still locked: nobody can take the name meanwhile
    }
}

}  // namespace quarrix::records

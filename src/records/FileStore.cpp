#include "FileStore.h"

#include "FileDescriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quarrix::records {

namespace {
std::string reason(const char* step)
{
    return std::string(step) + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

FileStore::ReadStatus FileStore::read(const std::string& path, std::size_t limit, std::string& bytes)
{
    bytes.clear();
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return ReadStatus::Failed;
    }
    if (static_cast<unsigned long long>(info.st_size) > limit) {
        return ReadStatus::TooLarge;
    }
    // Sized by the file, one byte more to notice a file that grew since; never past the limit.
    const std::size_t cap = limit + 1;
    bytes.resize(std::min(static_cast<std::size_t>(info.st_size) + 1, cap));
    std::size_t total = 0;
    while (true) {
        if (total == bytes.size()) {
            if (bytes.size() == cap) {
                break;
            }
            bytes.resize(std::min(bytes.size() * 2, cap));
        }
        const ssize_t got = ::read(file.get(), bytes.data() + total, bytes.size() - total);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            bytes.clear();
            return ReadStatus::Failed;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    bytes.resize(total);
    return total > limit ? ReadStatus::TooLarge : ReadStatus::Read;
}

std::string FileStore::replace(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".saving-" + std::to_string(::getpid());
    FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file.valid()) {
        return reason("cannot create the new file");
    }
    std::string failure;
    if (!writeAll(file.get(), bytes)) {
        failure = reason("cannot write the new file");
    } else if (::fsync(file.get()) != 0) {
        failure = reason("cannot flush the new file to the disk");
    } else if (!file.close()) {
        failure = reason("cannot close the new file");
    } else if (::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = reason("cannot replace the old file");
    }
    if (!failure.empty()) {
        const int saved = errno;
        ::unlink(temporary.c_str());
        errno = saved;
        return failure;
    }
    // The directory is not flushed: whether the rename reaches the disk before a crash or not,
    // what is left is a whole file, the old one or the new one.
    return {};
}

FileStore::Stamp FileStore::stamp(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    return Stamp{info.st_dev, info.st_ino, static_cast<unsigned long long>(info.st_size), info.st_mtim.tv_sec,
                 info.st_mtim.tv_nsec};
}

}  // namespace quarrix::records

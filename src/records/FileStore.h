#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarrix::records {

// Whole-file reads and writes for the HighScores file.
class FileStore {
public:
    enum class ReadStatus { Read, Failed, TooLarge };

    // Reads the whole file into `bytes`, but never more than `limit` bytes: a larger file is
    // TooLarge and is not read. Failed when it cannot be opened or read (also a directory).
    static ReadStatus read(const std::string& path, std::size_t limit, std::string& bytes);
    // Replaces the file atomically: the bytes go to a new file beside it, are flushed to the disk,
    // and only then renamed over the old one, so a crash or a full disk leaves the old file or the
    // new one, never a part. Returns an empty text on success, else the reason it failed.
    static std::string replace(const std::string& path, std::string_view bytes);

    // What tells one version of a file from the next: a replaced file has a new inode, a file
    // rewritten in place a new size or modification time. Equal for a file that is missing.
    struct Stamp {
        unsigned long long device = 0, inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stamp(const std::string& path);
};

}  // namespace quarrix::records

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
};

}  // namespace quarrix::records

#pragma once

#include "FileDescriptor.h"

#include <chrono>
#include <string>

namespace quarrix::records {

// An exclusive advisory lock on a file beside the one it guards, held for the life of the object
// and removed with it. The kernel drops the lock with the process that held it, so a copy of the
// game that was killed never blocks the others; the empty file it leaves is simply locked anew.
class FileLock {
public:
    // Waits up to `patience` for the lock; held() tells whether it was had.
    FileLock(const std::string& path, std::chrono::milliseconds patience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return file_.valid(); }

private:
    std::string path_;
    FileDescriptor file_;  // open only while the lock is held
};

}  // namespace quarrix::records

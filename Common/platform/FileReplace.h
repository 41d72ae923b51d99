// Replacing a file's contents so that readers see either the old or the new
// file, never a half-written one, and an exclusive lock between processes.
#pragma once

#include <string>
#include <string_view>

// Writes `contents` to a temporary file (mode 0600) beside `path`, syncs it,
// renames it over `path` and syncs the folder. Returns 0 or the errno of the
// failed step; on failure the old file is untouched and the temporary file
// removed. On success `keptFd` (when given) receives an open descriptor of
// the new file, which the caller closes.
int replaceFileAtomically(const std::string& path, std::string_view contents, int* keptFd = nullptr);

// Holds an exclusive flock on a lock file (created with mode 0600) while alive.
class FileLock {
public:
    explicit FileLock(const std::string& lockPath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // 0 when the lock is held, else the errno of the failure.
    int error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};

// Replacing a file so that readers see either the old or the new file, never
// a half-written one: the new contents go to a temporary file beside it,
// which is synced, renamed over the old file, and the folder synced. Every
// step goes through the replaceable file calls (platform/FileApi.h), so tests
// can stop the disk at any write. Paths are native.
#pragma once

#include <string>
#include <string_view>

// Creates an empty file (mode 0600) with a unique name beginning with
// `prefix` in the folder of `path`, and gives its path.
bool createTemporaryFileBeside(const std::string& path, const std::string& prefix, std::string& temporaryPath);

// Puts the written temporary file in the place of `path` in one step. On
// failure the old file is untouched (the temporary file is left to the caller).
bool replaceFileWith(const std::string& path, const std::string& temporaryPath);

// Writes `contents` to a temporary file beside `path` and puts it in the
// place of `path`. Returns 0 or the errno of the failed step; on failure the
// old file is untouched and the temporary file removed. On success `keptFd`
// (when given) receives an open descriptor of the new file, which the caller
// closes.
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

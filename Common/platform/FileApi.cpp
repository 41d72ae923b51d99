#include "platform/FileApi.h"

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SystemFileApi : public IFileApi {
public:
    int open(const std::string& path, int flags, mode_t mode) override
    {
        int handle;
        do
            handle = ::open(path.c_str(), flags | O_CLOEXEC, mode);
        while (handle < 0 && errno == EINTR);
        return handle;
    }

    bool lockExclusive(int handle) override { return lock(handle, LOCK_EX); }

    bool lockShared(int handle) override { return lock(handle, LOCK_SH); }

    ssize_t readAt(int handle, void* buffer, std::size_t size, off_t offset) override
    {
        ssize_t count;
        do
            count = ::pread(handle, buffer, size, offset);
        while (count < 0 && errno == EINTR);
        return count;
    }

    ssize_t write(int handle, const void* buffer, std::size_t size) override
    {
        ssize_t count;
        do
            count = ::write(handle, buffer, size);
        while (count < 0 && errno == EINTR);
        return count;
    }

    off_t seek(int handle, off_t offset, int whence) override { return ::lseek(handle, offset, whence); }

    bool truncate(int handle, off_t size) override { return ::ftruncate(handle, size) == 0; }

    bool sync(int handle) override { return ::fsync(handle) == 0; }

    // Offset 0 and length 0 cover the whole file.
    void startWriteback(int handle) override { ::sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE); }

    // The handle is gone after close(2) even when it reports an error, so it is never retried.
    bool close(int handle) override { return ::close(handle) == 0; }

    bool size(int handle, std::uint64_t& size) override
    {
        struct stat status {};
        if (::fstat(handle, &status) != 0)
            return false;
        size = static_cast<std::uint64_t>(status.st_size);
        return true;
    }

    bool isReadOnly(const std::string& path, bool& readOnly) override
    {
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0)
            return false;
        readOnly = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
        return true;
    }

    bool createUnique(const std::string& folder, const std::string& prefix, std::string& path) override
    {
        static const std::string suffix = ".tmp";
        std::string pattern = folder + "/" + prefix + "XXXXXX" + suffix;
        // mkstemps creates the file with mode 0600.
        const int handle = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));
        if (handle < 0)
            return false;
        ::close(handle);
        path = pattern;
        return true;
    }

    bool rename(const std::string& from, const std::string& to) override
    {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }

    bool remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

    bool syncFolder(const std::string& folder) override
    {
        const int handle = open(folder, O_RDONLY | O_DIRECTORY, 0);
        if (handle < 0)
            return false;
        const bool synced = ::fsync(handle) == 0;
        ::close(handle);
        return synced;
    }

private:
    static bool lock(int handle, int kind)
    {
        int result;
        do
            result = ::flock(handle, kind | LOCK_NB);
        while (result != 0 && errno == EINTR);
        return result == 0;
    }
};

IFileApi* g_installed = nullptr;

} // namespace

IFileApi& systemFileApi()
{
    static SystemFileApi api;
    return api;
}

IFileApi& fileApi() { return g_installed ? *g_installed : systemFileApi(); }

IFileApi* installFileApi(IFileApi* api)
{
    IFileApi* previous = g_installed;
    g_installed = api;
    return previous;
}

std::string nativeFolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

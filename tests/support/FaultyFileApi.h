// Stands between the file streams and the disk while it lives: records the
// calls that change the disk ("write", "sync", "rename", "remove", "syncFolder") in
// order, and can make every write after the k-th fail as a full disk would.
#pragma once

#include "platform/FileApi.h"

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

class FaultyFileApi : public IFileApi {
public:
    FaultyFileApi() : m_previous(installFileApi(this)) {}
    ~FaultyFileApi() override { installFileApi(m_previous); }
    FaultyFileApi(const FaultyFileApi&) = delete;
    FaultyFileApi& operator=(const FaultyFileApi&) = delete;

    // Writes after this many fail with ENOSPC; none when unset.
    std::optional<int> failWritesAfter;
    // Only the write after this many fails (a disk that was full for a moment).
    std::optional<int> failOneWriteAfter;
    std::vector<std::string> calls;

    int open(const std::string& path, int flags, mode_t mode) override { return system().open(path, flags, mode); }
    bool lockExclusive(int handle) override { return system().lockExclusive(handle); }
    bool lockShared(int handle) override { return system().lockShared(handle); }
    ssize_t readAt(int handle, void* buffer, std::size_t size, off_t offset) override
    {
        return system().readAt(handle, buffer, size, offset);
    }
    ssize_t write(int handle, const void* buffer, std::size_t size) override
    {
        calls.push_back("write");
        if ((failWritesAfter && m_writes >= *failWritesAfter) || (failOneWriteAfter && m_writes == *failOneWriteAfter)) {
            if (failOneWriteAfter)
                failOneWriteAfter.reset();
            errno = ENOSPC;
            return -1;
        }
        ++m_writes;
        return system().write(handle, buffer, size);
    }
    off_t seek(int handle, off_t offset, int whence) override { return system().seek(handle, offset, whence); }
    bool truncate(int handle, off_t size) override { return system().truncate(handle, size); }
    bool sync(int handle) override
    {
        calls.push_back("sync");
        return system().sync(handle);
    }
    void startWriteback(int handle) override { system().startWriteback(handle); }
    bool close(int handle) override { return system().close(handle); }
    bool size(int handle, std::uint64_t& size) override { return system().size(handle, size); }
    bool isReadOnly(const std::string& path, bool& readOnly) override { return system().isReadOnly(path, readOnly); }
    bool createUnique(const std::string& folder, const std::string& prefix, std::string& path) override
    {
        return system().createUnique(folder, prefix, path);
    }
    bool rename(const std::string& from, const std::string& to) override
    {
        calls.push_back("rename");
        return system().rename(from, to);
    }
    bool remove(const std::string& path) override
    {
        calls.push_back("remove");
        return system().remove(path);
    }
    bool syncFolder(const std::string& folder) override
    {
        calls.push_back("syncFolder");
        return system().syncFolder(folder);
    }

private:
    static IFileApi& system() { return systemFileApi(); }

    IFileApi* m_previous;
    int m_writes = 0;
};

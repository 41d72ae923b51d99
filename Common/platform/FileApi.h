// The operating system's file calls, behind one interface so that a test can
// stand between the program and the disk (to make the disk stop writing at a
// chosen write, or to see the order of writes and syncs). Paths are native.
// Handles are file descriptors; a failing call sets errno.
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

class IFileApi {
public:
    virtual ~IFileApi() = default;

    // open(2): returns a handle, or -1.
    virtual int open(const std::string& path, int flags, mode_t mode) = 0;
    // Takes the exclusive lock of the file without waiting: false when any
    // other open of the file, in this process or another, holds it.
    virtual bool lockExclusive(int handle) = 0;
    // Takes a shared lock of the file without waiting: any number of shared
    // locks are held together, but none while an exclusive lock is held, and
    // no exclusive lock is taken while one is held.
    virtual bool lockShared(int handle) = 0;
    // pread(2): reads at `offset` without moving the handle's own offset, so
    // that several readers can share one handle.
    virtual ssize_t readAt(int handle, void* buffer, std::size_t size, off_t offset) = 0;
    virtual ssize_t write(int handle, const void* buffer, std::size_t size) = 0;
    // lseek(2): the new offset, or -1.
    virtual off_t seek(int handle, off_t offset, int whence) = 0;
    virtual bool truncate(int handle, off_t size) = 0;
    virtual bool sync(int handle) = 0;
    // Starts writing the file's changed pages to the disk without waiting for
    // them, so that a later sync has less to wait for. Only a hint: it makes
    // nothing durable, and failing changes nothing.
    virtual void startWriteback(int handle) = 0;
    virtual bool close(int handle) = 0;
    virtual bool size(int handle, std::uint64_t& size) = 0;
    // True in `readOnly` when nobody may write the file (no write permission bit).
    virtual bool isReadOnly(const std::string& path, bool& readOnly) = 0;
    // Creates a new empty file "<folder>/<prefix>XXXXXX.tmp" (mode 0600) and gives its path.
    virtual bool createUnique(const std::string& folder, const std::string& prefix, std::string& path) = 0;
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // unlink(2).
    virtual bool remove(const std::string& path) = 0;
    // Makes the folder's entries (a rename, a new file) durable.
    virtual bool syncFolder(const std::string& folder) = 0;
};

// The operating system's own calls.
IFileApi& systemFileApi();
// The calls the file streams use: the system's unless a test installed others.
IFileApi& fileApi();
// Installs `api` (null: the system's again); returns the one it replaces.
IFileApi* installFileApi(IFileApi* api);

// The folder part of a native path ("." when it has none).
std::string nativeFolderOf(const std::string& path);

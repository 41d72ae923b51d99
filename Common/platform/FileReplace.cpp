#include "platform/FileReplace.h"

#include "platform/FileApi.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// errno of the step that just failed, never 0.
int failure() { return errno != 0 ? errno : EIO; }

bool writeAll(IFileApi& api, int handle, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = api.write(handle, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool syncFile(IFileApi& api, const std::string& path)
{
    const int handle = api.open(path, O_RDONLY, 0);
    if (handle < 0)
        return false;
    const bool synced = api.sync(handle);
    return api.close(handle) && synced;
}

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool createTemporaryFileBeside(const std::string& path, const std::string& prefix, std::string& temporaryPath)
{
    return fileApi().createUnique(nativeFolderOf(path), prefix, temporaryPath);
}

bool replaceFileWith(const std::string& path, const std::string& temporaryPath)
{
    IFileApi& api = fileApi();
    return syncFile(api, temporaryPath) && api.rename(temporaryPath, path) && api.syncFolder(nativeFolderOf(path));
}

int replaceFileAtomically(const std::string& path, std::string_view contents, int* keptFd)
{
    IFileApi& api = fileApi();
    std::string temporary;
    errno = 0;
    if (!createTemporaryFileBeside(path, "." + fileNameOf(path) + ".", temporary))
        return failure();
    const int handle = api.open(temporary, O_RDWR, 0600);
    if (handle < 0) {
        const int error = failure();
        api.remove(temporary);
        return error;
    }
    if (!writeAll(api, handle, contents) || !api.sync(handle) || !api.rename(temporary, path)) {
        const int error = failure();
        api.close(handle);
        api.remove(temporary);
        return error;
    }
    // The new file is in place; a failed folder sync only weakens its durability.
    api.syncFolder(nativeFolderOf(path));
    if (keptFd)
        *keptFd = handle;
    else
        api.close(handle);
    return 0;
}

FileLock::FileLock(const std::string& lockPath)
{
    m_fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_error = errno;
        return;
    }
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            m_error = errno;
            return;
        }
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

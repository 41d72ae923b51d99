#include "platform/FileReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}

} // namespace

int replaceFileAtomically(const std::string& path, std::string_view contents, int* keptFd)
{
    const std::string folder = folderOf(path);
    std::string temporary = folder + "/." + path.substr(path.rfind('/') + 1) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fchmod(fd, 0600) == 0 ? 0 : errno;
    if (!error)
        error = writeAll(fd, contents);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        ::close(fd);
        return error;
    }
    if (keptFd)
        *keptFd = fd;
    else
        ::close(fd);
    // The new file is in place; a failed folder sync only weakens its durability.
    syncFolder(folder);
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

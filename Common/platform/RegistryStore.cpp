#include "platform/RegistryStore.h"

#include "platform/FileReplace.h"
#include "platform/NativePath.h"
#include "platform/RegistryText.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

LONG readErrorFrom(int error) { return error == EACCES || error == EPERM ? ERROR_ACCESS_DENIED : ERROR_CANTREAD; }

LONG writeErrorFrom(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ERROR_DISK_FULL;
    case EACCES:
    case EPERM:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    default:
        return ERROR_CANTWRITE;
    }
}

bool readWhole(int fd, std::string& text)
{
    char buffer[8192];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string filePath(RegistryRoot root) { return registryFolder() + '/' + registryRootName(root) + ".reg"; }

} // namespace

const char* registryRootName(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RegistryRoot::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RegistryRoot::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::Users:
        break;
    }
    return "HKEY_USERS";
}

std::string registryFolder()
{
    if (const char* set = std::getenv("KELDRA_REGISTRY"); set && *set)
        return withoutTrailingSlashes(set);
    std::string configHome;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        configHome = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        configHome = std::string(home) + "/.config";
    else
        configHome = "/tmp";
    return withoutTrailingSlashes(configHome) + "/keldra/registry";
}

RegistryStore::~RegistryStore()
{
    for (auto& [path, file] : m_files)
        if (file.fd >= 0)
            ::close(file.fd);
}

LONG RegistryStore::load(RegistryRoot root, const std::string& path, LoadedFile*& file)
{
    file = &m_files[path];
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            return readErrorFrom(errno);
        if (file->fd >= 0)
            ::close(file->fd);
        *file = LoadedFile{};
        file->keys = RegistryNode(registryRootName(root));
        return ERROR_SUCCESS;
    }
    struct stat identity {};
    if (::fstat(fd, &identity) != 0) {
        const int error = errno;
        ::close(fd);
        return readErrorFrom(error);
    }
    if (file->fd >= 0 && sameFile(identity, file->identity)) {
        ::close(fd);
        return ERROR_SUCCESS;
    }
    std::string text;
    if (!readWhole(fd, text)) {
        const int error = errno;
        ::close(fd);
        return readErrorFrom(error);
    }
    if (file->fd >= 0)
        ::close(file->fd);
    file->fd = fd;
    file->identity = identity;
    file->damaged = !parseRegistryText(text, registryRootName(root), file->keys);
    return ERROR_SUCCESS;
}

LONG RegistryStore::read(RegistryRoot root, const std::function<LONG(const RegistryNode&)>& reader)
{
    LoadedFile* file = nullptr;
    if (const LONG result = load(root, filePath(root), file); result != ERROR_SUCCESS)
        return result;
    if (file->damaged)
        return ERROR_BADDB;
    return reader(file->keys);
}

LONG RegistryStore::modify(RegistryRoot root, const std::function<LONG(RegistryNode&)>& change)
{
    const std::string folder = registryFolder();
    if (!makeNativeDirectories(folder))
        return writeErrorFrom(errno);
    FileLock lock(folder + '/' + registryRootName(root) + ".lock");
    if (lock.error())
        return writeErrorFrom(lock.error());

    const std::string path = filePath(root);
    LoadedFile* file = nullptr;
    if (const LONG result = load(root, path, file); result != ERROR_SUCCESS)
        return result;
    if (file->damaged)
        return ERROR_BADDB;
    RegistryNode changed = file->keys;
    if (const LONG result = change(changed); result != ERROR_SUCCESS)
        return result;
    if (changed == file->keys)
        return ERROR_SUCCESS;

    int newFd = -1;
    if (const int error = replaceFileAtomically(path, formatRegistryText(changed, registryRootName(root)), &newFd))
        return writeErrorFrom(error);
    if (file->fd >= 0)
        ::close(file->fd);
    file->fd = newFd;
    ::fstat(newFd, &file->identity);
    file->keys = std::move(changed);
    return ERROR_SUCCESS;
}

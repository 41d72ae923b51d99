#include "platform/NativePath.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::string keldraFolder(const std::string& overrideVariable, const char* xdgVariable, const char* homeDefault,
                         const std::string& subfolder)
{
    if (const char* set = std::getenv(overrideVariable.c_str()); set && *set)
        return withoutTrailingSlashes(set);
    std::string base;
    if (const char* xdg = std::getenv(xdgVariable); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + '/' + homeDefault;
    else
        base = "/tmp";
    return withoutTrailingSlashes(base) + "/keldra/" + subfolder;
}

std::string driveRoot(char letter)
{
    return keldraFolder(std::string("KELDRA_DRIVE_") + upper(letter), "XDG_DATA_HOME", ".local/share",
                        std::string("drive_") + lower(letter));
}

std::string toNativePath(const CString& windowsPath)
{
    std::string path = windowsPath.str();
    std::string prefix;
    if (path.size() >= 2 && isLetter(path[0]) && path[1] == ':') {
        prefix = driveRoot(path[0]);
        path.erase(0, 2);
        if (!path.empty() && path[0] != '\\' && path[0] != '/')
            prefix += '/';
    }
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return prefix + path;
}

CString fromNativePath(const std::string& nativePath)
{
    std::string rest = nativePath;
    std::string drive;
    for (char letter = 'A'; letter <= 'Z' && drive.empty(); ++letter) {
        const std::string root = driveRoot(letter);
        if (nativePath == root || (nativePath.size() > root.size() && nativePath.compare(0, root.size(), root) == 0 &&
                                   nativePath[root.size()] == '/')) {
            drive = std::string(1, letter) + ':';
            rest = nativePath.substr(root.size());
            if (rest.empty())
                rest = "/";
        }
    }
    for (char& c : rest)
        if (c == '/')
            c = '\\';
    return CString(drive + rest);
}

bool makeNativeDirectories(const std::string& nativeDir)
{
    if (nativeDir.empty())
        return false;
    for (std::size_t pos = 1; pos <= nativeDir.size(); ++pos) {
        if (pos == nativeDir.size() || nativeDir[pos] == '/') {
            const std::string part = nativeDir.substr(0, pos);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    }
    struct stat st {};
    return ::stat(nativeDir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

#include "DirectoryListing.h"

#include "platform/CodePage.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

namespace {

DWORD attributesOf(const std::string& nativeDir, const char* name)
{
    struct stat st {};
    DWORD attributes = name[0] == '.' ? FILE_ATTRIBUTE_HIDDEN : 0;
    if (stat((nativeDir + "/" + name).c_str(), &st) != 0)
        return attributes | FILE_ATTRIBUTE_SYSTEM;
    if (S_ISDIR(st.st_mode))
        return attributes | FILE_ATTRIBUTE_DIRECTORY;
    if (!S_ISREG(st.st_mode))
        return attributes | FILE_ATTRIBUTE_SYSTEM;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

} // namespace

std::vector<FoundFile> findFiles(const CString& dir, const char* pattern)
{
    std::vector<FoundFile> found;
    const std::string nativeDir = toNativePath(dir);
    DIR* listing = opendir(nativeDir.c_str());
    if (!listing)
        return found;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || fnmatch(pattern, name.c_str(), FNM_CASEFOLD) != 0)
            continue;
        found.push_back(FoundFile{CString(name), attributesOf(nativeDir, name.c_str())});
    }
    closedir(listing);
    std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) {
        const int order = ansiCompareNoCase(a.name.view(), b.name.view());
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return found;
}

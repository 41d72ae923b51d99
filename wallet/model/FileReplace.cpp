#include "model/FileReplace.h"

#include "platform/FileApi.h"
#include "platform/NativePath.h"

#include <fcntl.h>

namespace {

bool syncFile(IFileApi& api, const std::string& path)
{
    const int handle = api.open(path, O_RDONLY, 0);
    if (handle < 0)
        return false;
    const bool synced = api.sync(handle);
    return api.close(handle) && synced;
}

} // namespace

bool createTemporaryFileBeside(const CString& path, CString& temporaryPath)
{
    std::string created;
    if (!fileApi().createUnique(nativeFolderOf(toNativePath(path)), "wall", created))
        return false;
    temporaryPath = fromNativePath(created);
    return true;
}

bool replaceFileWith(const CString& path, const CString& temporaryPath)
{
    IFileApi& api = fileApi();
    const std::string target = toNativePath(path);
    const std::string source = toNativePath(temporaryPath);
    return syncFile(api, source) && api.rename(source, target) && api.syncFolder(nativeFolderOf(target));
}

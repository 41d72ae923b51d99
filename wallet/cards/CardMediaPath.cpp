#include "CardMediaPath.h"

#include "platform/NativePath.h"
#include "zenthoLib/Base/PathUtil.h"

#include <filesystem>
#include <system_error>

std::optional<std::string> cardMediaNativePath(const std::optional<CString>& path, const CString& programDir)
{
    if (!path || path->IsEmpty())
        return std::nullopt;
    // A folder without its closing "\" would be taken as a file in its parent.
    CString base = programDir;
    if (!base.IsEmpty() && base[base.GetLength() - 1] != '\\')
        base += '\\';
    CString full;
    buildFullPath(base, *path, full);
    std::string native = toNativePath(full);
    std::error_code error;
    if (!std::filesystem::is_regular_file(native, error))
        return std::nullopt;
    return native;
}

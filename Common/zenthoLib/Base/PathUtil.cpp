#include "PathUtil.h"

#include <vector>

namespace {

// The four parts of a path, cut as the runtime library's _splitpath does.
struct SplitPath {
    CString drive;
    CString dir;
    CString fname;
    CString ext;
};

SplitPath splitPath(const CString& path)
{
    SplitPath parts;
    CString rest = path;
    if (rest.GetLength() >= 2 && rest[1] == ':') {
        parts.drive = rest.Left(2);
        rest = rest.Mid(2);
    }
    int lastSeparator = -1;
    for (int i = 0; i < rest.GetLength(); ++i)
        if (rest[i] == '\\' || rest[i] == '/')
            lastSeparator = i;
    parts.dir = rest.Left(lastSeparator + 1);
    rest = rest.Mid(lastSeparator + 1);
    const int dot = rest.ReverseFind('.');
    parts.fname = dot < 0 ? rest : rest.Left(dot);
    parts.ext = dot < 0 ? CString() : rest.Mid(dot);
    return parts;
}

// A component at every "\" (also an empty one), and the text after the last "\" when not empty.
std::vector<CString> directoryComponents(const CString& dir)
{
    std::vector<CString> components;
    CString current;
    for (int i = 0; i < dir.GetLength(); ++i) {
        if (dir[i] == '\\') {
            components.push_back(current);
            current.Empty();
        } else {
            current += dir[i];
        }
    }
    if (!current.IsEmpty())
        components.push_back(current);
    return components;
}

} // namespace

void CUtil::AppendPath(CString& path, const char* name) { AppendPath(path, CString(name)); }

void CUtil::AppendPath(CString& path, const CString& name)
{
    const bool pathEndsWithSeparator = path.IsEmpty() || path[path.GetLength() - 1] == '\\';
    const bool nameStartsWithSeparator = !name.IsEmpty() && name[0] == '\\';
    if (!pathEndsWithSeparator && !nameStartsWithSeparator)
        path += '\\';
    path += name;
}

int getRelPath(CString base, CString target, CString& out)
{
    const SplitPath from = splitPath(base);
    const SplitPath to = splitPath(target);
    CString fromDrive = from.drive;
    CString toDrive = to.drive;
    if (fromDrive.Trim() != toDrive.Trim())
        return 0;
    const std::vector<CString> fromDirs = directoryComponents(from.dir);
    const std::vector<CString> toDirs = directoryComponents(to.dir);
    std::size_t common = 0;
    while (common < fromDirs.size() && common < toDirs.size() && fromDirs[common] == toDirs[common])
        ++common;
    CString rel;
    for (std::size_t i = common; i < fromDirs.size(); ++i)
        rel += "..\\";
    for (std::size_t i = common; i < toDirs.size(); ++i)
        rel += toDirs[i] + "\\";
    out = rel + to.fname + to.ext;
    return 1;
}

int buildFullPath(CString base, CString rel, CString& out)
{
    const SplitPath from = splitPath(base);
    const SplitPath relative = splitPath(rel);
    CString relDrive = relative.drive;
    const std::vector<CString> relDirs = directoryComponents(relative.dir);
    if (!relDrive.Trim().IsEmpty() || (!relDirs.empty() && relDirs.front().IsEmpty())) {
        out = rel;
        return 1;
    }
    const std::vector<CString> baseDirs = directoryComponents(from.dir);
    std::size_t up = 0;
    while (up < relDirs.size() && relDirs[up] == "..")
        ++up;
    CString full = from.drive;
    for (std::size_t i = 0; i + up < baseDirs.size(); ++i)
        full += baseDirs[i] + "\\";
    for (std::size_t i = up; i < relDirs.size(); ++i)
        full += relDirs[i] + "\\";
    out = full + relative.fname + relative.ext;
    return 1;
}

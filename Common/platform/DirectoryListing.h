// Listing a folder the way the Windows file search does, with the file
// attributes the program looks at.
//
// On Linux a name that starts with "." is hidden, and anything that is neither
// a file nor a folder (device, pipe, socket) counts as a system file; nothing
// is marked temporary, since Linux keeps no such mark.
#pragma once

#include "platform/CString.h"
#include "platform/WinTypes.h"

#include <vector>

constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x0002;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x0004;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x0010;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x0080;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x0100;

struct FoundFile {
    CString name; // the file name alone
    DWORD attributes;
};

// The entries of the Windows-form folder `dir` whose names match `pattern`
// ("*" and "?" wildcards, letter case ignored), sorted by name with letter
// case ignored as an NTFS folder lists them. Empty when the folder is missing.
std::vector<FoundFile> findFiles(const CString& dir, const char* pattern);

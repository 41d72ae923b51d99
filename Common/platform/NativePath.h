// Windows-form paths inside the system, native paths at the operating system.
//
// A drive X: maps to $KELDRA_DRIVE_X when set, else to
// $XDG_DATA_HOME/keldra/drive_x (~/.local/share/keldra/drive_x); a path
// without a drive keeps its place: "\a\b" is "/a/b", "a\b" is "a/b".
#pragma once

#include "platform/CString.h"

#include <string>

// $overrideVariable when set; else `subfolder` below keldra/ in the XDG base
// folder $xdgVariable, which defaults to $HOME/homeDefault.
std::string keldraFolder(const std::string& overrideVariable, const char* xdgVariable, const char* homeDefault,
                         const std::string& subfolder);
// The folder that stands for drive `letter` (A..Z, either case).
std::string driveRoot(char letter);

std::string toNativePath(const CString& windowsPath);
// A native path in the Windows form: below a drive folder it gets that drive
// letter, anything else keeps its place with backslash separators.
CString fromNativePath(const std::string& nativePath);

// Creates a native folder and its parents (mode 0700 for new ones); true when it exists afterwards.
bool makeNativeDirectories(const std::string& nativeDir);

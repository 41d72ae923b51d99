// Joining and relating Windows-form paths.
#pragma once

#include "platform/CString.h"

class CUtil {
public:
    // Appends "\" unless `path` is empty, ends with "\" or `name` starts with "\"; then `name`.
    static void AppendPath(CString& path, const char* name);
    static void AppendPath(CString& path, const CString& name);
};

// `target` relative to the folder of `base`; 0 (and `out` unchanged) when the drives differ.
int getRelPath(CString base, CString target, CString& out);
// A path made relative by getRelPath, made full again against `base`. Always 1.
int buildFullPath(CString base, CString rel, CString& out);

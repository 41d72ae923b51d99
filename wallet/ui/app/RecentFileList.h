// The four wallets opened last, newest first, kept in the registry under the
// framework's settings key as "Recent File List" with the values "File1" to
// "File4".
#pragma once

#include "platform/CString.h"

#include <vector>

class CRecentFileList {
public:
    static constexpr int kSize = 4;
    static constexpr const char* kKeyPath = "Software\\Local AppWizard-Generated Applications\\Keldra\\Recent File List";

    // Reads the list; a missing key leaves it empty.
    void load();
    // Puts `path` first (once: names are compared without regard to case)
    // and stores the list.
    void add(const CString& path);
    const std::vector<CString>& files() const { return m_files; }

private:
    void save() const;

    std::vector<CString> m_files;
};

#include "OwnerInfo.h"

#include "RegKey.h"

#include <cstring>

namespace {

constexpr DWORD kOwnerTextCapacity = 2048;

bool readText(RegKey& key, const char* valueName, CString& out)
{
    char buffer[kOwnerTextCapacity];
    DWORD size = sizeof buffer;
    if (key.QueryValue(reinterpret_cast<unsigned char*>(buffer), valueName, &size) != ERROR_SUCCESS)
        return false;
    out = CString(buffer, static_cast<int>(strnlen(buffer, size)));
    return true;
}

} // namespace

int GetOwnerInfo(CString& name, CString& company)
{
    RegKey key;
    if (key.Open(HKEY_CURRENT_USER, "Software\\Microsoft\\MS Setup (ACME)\\User Info", KEY_READ) != ERROR_SUCCESS)
        return 0;
    return readText(key, "DefName", name) && readText(key, "DefCompany", company);
}

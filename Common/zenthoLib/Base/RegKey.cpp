#include "RegKey.h"

#include <cstring>

namespace {

constexpr DWORD kSubKeyNameSize = 128;
constexpr DWORD kRecurseNameSize = 256;

} // namespace

LONG RegKey::keep(LONG result, HKEY opened)
{
    if (result != ERROR_SUCCESS)
        return result;
    const LONG closed = Close();
    m_hKey = opened;
    return closed;
}

LONG RegKey::Open(HKEY parent, const char* name, DWORD access)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(parent, name, 0, access, &opened);
    return keep(result, opened);
}

LONG RegKey::Create(HKEY parent, const char* name, char* keyClass, DWORD options, DWORD access,
                    SECURITY_ATTRIBUTES* security, DWORD* disposition)
{
    HKEY created = nullptr;
    DWORD localDisposition = 0;
    const LONG result =
        RegCreateKeyExA(parent, name, 0, keyClass, options, access, security, &created, &localDisposition);
    if (disposition)
        *disposition = localDisposition;
    return keep(result, created);
}

LONG RegKey::Close()
{
    if (!m_hKey)
        return ERROR_SUCCESS;
    const LONG result = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return result;
}

LONG RegKey::QueryValue(DWORD& out, const char* name)
{
    DWORD size = sizeof out;
    return RegQueryValueExA(m_hKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&out), &size);
}

LONG RegKey::QueryValue(unsigned char* buffer, const char* name, DWORD* size)
{
    return RegQueryValueExA(m_hKey, name, nullptr, nullptr, buffer, size);
}

LONG RegKey::SetValue(DWORD value, const char* name)
{
    return RegSetValueExA(m_hKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG RegKey::SetValue(const char* text, const char* name)
{
    return RegSetValueExA(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

LONG RegKey::SetValue(unsigned char* data, DWORD size, const char* name)
{
    return RegSetValueExA(m_hKey, name, 0, REG_BINARY, data, size);
}

LONG RegKey::SetValue(HKEY parent, const char* keyName, const char* text, const char* name)
{
    RegKey key;
    LONG result = key.Create(parent, keyName);
    if (result == ERROR_SUCCESS)
        result = key.SetValue(text, name);
    const LONG closed = key.Close();
    return result != ERROR_SUCCESS ? result : closed;
}

LONG RegKey::SetKeyValue(const char* keyName, const char* text, const char* name)
{
    return SetValue(m_hKey, keyName, text, name);
}

int RegKey::SubKey(DWORD index, char* out)
{
    char name[kSubKeyNameSize];
    DWORD size = kSubKeyNameSize;
    if (RegEnumKeyExA(m_hKey, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    std::memcpy(out, name, size + 1);
    return 1;
}

LONG RegKey::DeleteSubKey(const char* name) { return RegDeleteKeyA(m_hKey, name); }

LONG RegKey::DeleteValue(const char* name) { return RegDeleteValueA(m_hKey, name); }

LONG RegKey::RecurseDeleteKey(const char* name)
{
    RegKey key;
    if (const LONG result = key.Open(m_hKey, name, KEY_ALL_ACCESS))
        return result;
    char subName[kRecurseNameSize];
    DWORD size = kRecurseNameSize;
    while (RegEnumKeyExA(key, 0, subName, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        if (const LONG result = key.RecurseDeleteKey(subName))
            return result;
        size = kRecurseNameSize;
    }
    key.Close();
    return DeleteSubKey(name);
}

HKEY RegKey::Detach()
{
    HKEY key = m_hKey;
    m_hKey = nullptr;
    return key;
}

// A thin owner of one open registry key handle. Every operation returns the
// Windows error code unchanged (0 = success).
#pragma once

#include "platform/Registry.h"

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    // Copies the handle without duplicating it: only one of the copies may close it.
    RegKey(const RegKey&) = default;
    RegKey& operator=(const RegKey&) = default;

    // On success the old handle is closed and the new one kept; on failure the old one stays.
    LONG Open(HKEY parent, const char* name, DWORD access = KEY_ALL_ACCESS);
    // As Open; the disposition is stored when a pointer is given, also on failure.
    LONG Create(HKEY parent, const char* name, char* keyClass = nullptr, DWORD options = REG_OPTION_NON_VOLATILE,
                DWORD access = KEY_ALL_ACCESS, SECURITY_ATTRIBUTES* security = nullptr, DWORD* disposition = nullptr);
    LONG Close();

    // Reads at most 4 bytes of the value, whatever its type.
    LONG QueryValue(DWORD& out, const char* name);
    // Raw read: *size is the capacity on entry and the length on return.
    LONG QueryValue(unsigned char* buffer, const char* name, DWORD* size);

    LONG SetValue(DWORD value, const char* name);
    // REG_SZ with the terminating zero.
    LONG SetValue(const char* text, const char* name);
    LONG SetValue(unsigned char* data, DWORD size, const char* name);
    // Creates or opens the subkey `keyName` of `parent`, writes the string, closes; the first error.
    static LONG SetValue(HKEY parent, const char* keyName, const char* text, const char* name);
    LONG SetKeyValue(const char* keyName, const char* text, const char* name);

    // Copies the name of the subkey at `index` (at most 127 characters) to `out`;
    // non-zero on success.
    int SubKey(DWORD index, char* out);
    LONG DeleteSubKey(const char* name);
    LONG DeleteValue(const char* name);
    // Deletes the subkey with everything below it; stops at the first failure,
    // leaving what is not yet deleted.
    LONG RecurseDeleteKey(const char* name);

    // Takes over a handle without closing the old one.
    void Attach(HKEY key) { m_hKey = key; }
    // Gives up the handle.
    HKEY Detach();
    operator HKEY() const { return m_hKey; }

    HKEY m_hKey = nullptr;

private:
    LONG keep(LONG result, HKEY opened);
};

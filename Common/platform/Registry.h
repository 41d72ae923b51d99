// The registry calls the code uses, with their Windows signatures, constants
// and error codes, over a persistent store of our own.
//
// Each root key is one REGEDIT4 text file ("HKEY_LOCAL_MACHINE.reg", ...) in
// $KELDRA_REGISTRY when set, else in $XDG_CONFIG_HOME/keldra/registry
// (~/.config/keldra/registry). Key and value names compare without regard to
// letter case and keep the spelling they were created with. Every change is
// read, applied and written back under a file lock and replaces the file
// atomically, so several processes share the files without losing writes.
// Handles may be used from several threads.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>

using PHKEY = HKEY*;
using LPDWORD = DWORD*;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
using PFILETIME = FILETIME*;

// The predefined root keys, with the values Windows gives them.
inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<LONG>(0x80000000u)));
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<LONG>(0x80000001u)));
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<LONG>(0x80000002u)));
inline const HKEY HKEY_USERS = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<LONG>(0x80000003u)));

// Value types.
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

// Access rights.
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Creation options and dispositions.
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// The longest key name (one path component), in characters.
constexpr DWORD MAX_KEY_NAME_LENGTH = 255;

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions, REGSAM samDesired,
                     SECURITY_ATTRIBUTES* lpSecurityAttributes, PHKEY phkResult, LPDWORD lpdwDisposition);
// A null `lpData` asks only for the type and size. A buffer that is too small
// gives ERROR_MORE_DATA with the needed size in *lpcbData.
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData);
LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData, DWORD cbData);
// Subkeys come in the order of their names, letter case ignored. The store
// keeps no write times: a given FILETIME is set to zero.
LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
// Refuses (ERROR_ACCESS_DENIED) a key that still has subkeys.
LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey);
LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
LONG RegCloseKey(HKEY hKey);

// True for the four predefined root handles.
bool isPredefinedRegistryKey(HKEY hKey);

#include "platform/Registry.h"

#include "platform/RegistryStore.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

struct OpenKey {
    RegistryRoot root;
    std::vector<std::string> path;
    REGSAM access;
};

const struct {
    HKEY handle;
    RegistryRoot root;
} kPredefined[] = {
    {HKEY_CLASSES_ROOT, RegistryRoot::ClassesRoot},
    {HKEY_CURRENT_USER, RegistryRoot::CurrentUser},
    {HKEY_LOCAL_MACHINE, RegistryRoot::LocalMachine},
    {HKEY_USERS, RegistryRoot::Users},
};

// The store and the open handles of the process, used under one mutex.
class Registry {
public:
    std::mutex mutex;
    RegistryStore store;

    LONG resolve(HKEY hKey, OpenKey& key) const
    {
        for (const auto& predefined : kPredefined) {
            if (hKey == predefined.handle) {
                key = OpenKey{predefined.root, {}, KEY_ALL_ACCESS};
                return ERROR_SUCCESS;
            }
        }
        const auto it = m_handles.find(reinterpret_cast<std::uintptr_t>(hKey));
        if (it == m_handles.end())
            return ERROR_INVALID_HANDLE;
        key = it->second;
        return ERROR_SUCCESS;
    }

    HKEY add(OpenKey key)
    {
        m_nextHandle += 4;
        m_handles.emplace(m_nextHandle, std::move(key));
        return reinterpret_cast<HKEY>(m_nextHandle);
    }

    bool remove(HKEY hKey) { return m_handles.erase(reinterpret_cast<std::uintptr_t>(hKey)) == 1; }

private:
    std::unordered_map<std::uintptr_t, OpenKey> m_handles;
    std::uintptr_t m_nextHandle = 0x1000;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

std::vector<std::string> joined(std::vector<std::string> base, const std::vector<std::string>& more)
{
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

bool isValidValueName(const char* name) { return !name || !std::strpbrk(name, "\r\n"); }

// Runs `action` on the key of `key` that is still in the store.
template <typename Node, typename Action>
LONG onKey(Node& root, const OpenKey& key, Action action)
{
    auto* node = root.find(key.path);
    return node ? action(*node) : ERROR_KEY_DELETED;
}

} // namespace

bool isPredefinedRegistryKey(HKEY hKey)
{
    for (const auto& predefined : kPredefined)
        if (hKey == predefined.handle)
            return true;
    return false;
}

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult)
{
    std::vector<std::string> sub;
    if (!phkResult || !splitRegistryPath(lpSubKey ? lpSubKey : "", sub))
        return ERROR_INVALID_PARAMETER;
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    OpenKey key;
    if (const LONG result = reg.resolve(hKey, key))
        return result;
    OpenKey opened{key.root, joined(key.path, sub), samDesired};
    const LONG result = reg.store.read(key.root, [&](const RegistryNode& root) {
        return onKey(root, key, [&](const RegistryNode&) {
            return root.find(opened.path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
        });
    });
    if (result == ERROR_SUCCESS)
        *phkResult = reg.add(std::move(opened));
    return result;
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired, SECURITY_ATTRIBUTES*,
                     PHKEY phkResult, LPDWORD lpdwDisposition)
{
    std::vector<std::string> sub;
    if (!phkResult || !splitRegistryPath(lpSubKey ? lpSubKey : "", sub))
        return ERROR_INVALID_PARAMETER;
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    OpenKey key;
    if (const LONG result = reg.resolve(hKey, key))
        return result;
    bool created = false;
    const LONG result = reg.store.modify(key.root, [&](RegistryNode& root) {
        return onKey(root, key, [&](RegistryNode& node) {
            if (node.find(sub))
                return ERROR_SUCCESS;
            if (!(key.access & KEY_CREATE_SUB_KEY))
                return ERROR_ACCESS_DENIED;
            RegistryNode* current = &node;
            for (const std::string& component : sub)
                current = &current->ensureSubkey(component, created);
            return ERROR_SUCCESS;
        });
    });
    if (result != ERROR_SUCCESS)
        return result;
    *phkResult = reg.add(OpenKey{key.root, joined(key.path, sub), samDesired});
    if (lpdwDisposition)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData)
{
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    OpenKey key;
    if (const LONG result = reg.resolve(hKey, key))
        return result;
    if (!(key.access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    return reg.store.read(key.root, [&](const RegistryNode& root) {
        return onKey(root, key, [&](const RegistryNode& node) {
            const RegistryValue* value = node.value(lpValueName ? lpValueName : "");
            if (!value)
                return ERROR_FILE_NOT_FOUND;
            if (lpType)
                *lpType = value->type;
            const auto size = static_cast<DWORD>(value->data.size());
            if (lpData && *lpcbData < size) {
                *lpcbData = size;
                return ERROR_MORE_DATA;
            }
            if (lpData && size)
                std::memcpy(lpData, value->data.data(), size);
            if (lpcbData)
                *lpcbData = size;
            return ERROR_SUCCESS;
        });
    });
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    if ((!lpData && cbData) || !isValidValueName(lpValueName))
        return ERROR_INVALID_PARAMETER;
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    OpenKey key;
    if (const LONG result = reg.resolve(hKey, key))
        return result;
    if (!(key.access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    std::vector<BYTE> data(lpData, lpData + (lpData ? cbData : 0));
    return reg.store.modify(key.root, [&](RegistryNode& root) {
        return onKey(root, key, [&](RegistryNode& node) {
            node.setValue(lpValueName ? lpValueName : "", dwType, data);
            return ERROR_SUCCESS;
        });
    });
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime)
{
    if (!lpName || !lpcchName || lpReserved)
        return ERROR_INVALID_PARAMETER;
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    OpenKey key;
    if (const LONG result = reg.resolve(hKey, key))
        return result;
    if (!(key.access & KEY_ENUMERATE_SUB_KEYS))
        return ERROR_ACCESS_DENIED;
    return reg.store.read(key.root, [&](const RegistryNode& root) {
        return onKey(root, key, [&](const RegistryNode& node) {
            if (dwIndex >= node.subkeys().size())
                return ERROR_NO_MORE_ITEMS;
            const std::string& name = node.subkeys()[dwIndex].name();
            if (name.size() >= *lpcchName)
                return ERROR_MORE_DATA;
            std::memcpy(lpName, name.c_str(), name.size() + 1);
            *lpcchName = static_cast<DWORD>(name.size());
            if (lpClass && lpcchClass && *lpcchClass > 0) {
                lpClass[0] = '\0';
                *lpcchClass = 0;
            }
            if (lpftLastWriteTime)
                *lpftLastWriteTime = FILETIME{0, 0};
            return ERROR_SUCCESS;
        });
    });
}

LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey)
{
    std::vector<std::string> sub;
    if (!lpSubKey || !splitRegistryPath(lpSubKey, sub) || sub.empty())
        return ERROR_INVALID_PARAMETER;
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    OpenKey key;
    if (const LONG result = reg.resolve(hKey, key))
        return result;
    return reg.store.modify(key.root, [&](RegistryNode& root) {
        return onKey(root, key, [&](RegistryNode& node) {
            const RegistryNode* target = node.find(sub);
            if (!target)
                return ERROR_FILE_NOT_FOUND;
            if (!target->subkeys().empty())
                return ERROR_ACCESS_DENIED;
            const std::string name = sub.back();
            sub.pop_back();
            node.find(sub)->removeSubkey(name);
            return ERROR_SUCCESS;
        });
    });
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName)
{
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    OpenKey key;
    if (const LONG result = reg.resolve(hKey, key))
        return result;
    if (!(key.access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    return reg.store.modify(key.root, [&](RegistryNode& root) {
        return onKey(root, key, [&](RegistryNode& node) {
            return node.removeValue(lpValueName ? lpValueName : "") ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
        });
    });
}

LONG RegCloseKey(HKEY hKey)
{
    if (isPredefinedRegistryKey(hKey))
        return ERROR_SUCCESS;
    Registry& reg = registry();
    std::lock_guard guard(reg.mutex);
    return reg.remove(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

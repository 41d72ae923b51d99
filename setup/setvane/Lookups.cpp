#include "Lookups.h"

#include "SetvaneHost.h"
#include "Trace.h"

namespace setvane {

namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kServices = "Software\\Microsoft\\Windows CE Services";
constexpr const char* kPartners = "Software\\Microsoft\\Windows CE Services\\Partners";

bool g_detected = false;
bool g_isNT = false;

// Reads a string value of an open key into a working buffer.
bool queryString(HKEY key, const char* name, std::string& out)
{
    char buffer[kBufferSize] = {};
    DWORD size = sizeof buffer - 1;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return false;
    out = buffer;
    return true;
}

// Opens `path` under `root` for reading values and reads one string value.
enum class ReadResult { Read, NoKey, NoValue };
ReadResult readValue(HKEY root, const char* path, const char* name, std::string& out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return ReadResult::NoKey;
    const bool read = queryString(key, name, out);
    RegCloseKey(key);
    return read ? ReadResult::Read : ReadResult::NoValue;
}

void appendBackslash(std::string& path)
{
    if (path.empty() || path.back() != '\\')
        path += '\\';
}

} // namespace

bool isNT()
{
    if (g_detected)
        return g_isNT;
    const DWORD version = windowsVersion();
    if ((version & 0x80000000u) == 0) {
        g_isNT = true;
        traceLine({"Operating system is Windows NT\\2000\\XP"});
    } else {
        g_isNT = false;
        traceLine({"Operating system is  Windows 9x"});
    }
    g_detected = true;
    return g_isNT;
}

bool getMyDocuments(std::string& folder)
{
    TracedCall traced("getMyDocuments(char* strMyDocuments, DWORD& dwMyDocumentsSize)");
    const HKEY root = isNT() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    switch (readValue(root, kShellFolders, "Personal", folder)) {
    case ReadResult::Read:
        return true;
    case ReadResult::NoKey:
        traceLine({"Cannot open reg key ", kShellFolders});
        return false;
    case ReadResult::NoValue:
        traceLine({"Cannot open reg key", "Personal"});
        return false;
    }
    return false;
}

bool getLastDevice(std::string& device)
{
    TracedCall traced("getLastDevice(char* strLastUsedPartnership, DWORD& dwLastUsedPartnershipSize)");
    HKEY partners = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kPartners, 0, KEY_READ, &partners) != ERROR_SUCCESS) {
        traceLine({"Cant open last device key"});
        return false;
    }
    device.clear();
    int count = 0;
    for (DWORD index = 0; index < 2; ++index) {
        char name[kBufferSize] = {};
        DWORD size = sizeof name;
        if (RegEnumKeyExA(partners, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            traceLine({"Can't find more partnerships(break cycle)"});
            break;
        }
        device = name;
        ++count;
    }
    RegCloseKey(partners);
    if (count == 1) {
        traceLine({"There is 1 partnership ", device.c_str()});
        return true;
    }
    if (count == 0) {
        traceLine({"There are not partnerships"});
        return true;
    }
    traceLine({"There are more than 1 partnership"});
    switch (readValue(HKEY_CURRENT_USER, kServices, "Last Device", device)) {
    case ReadResult::Read:
        return true;
    case ReadResult::NoKey:
        traceLine({"Cant open last device key"});
        return false;
    case ReadResult::NoValue:
        traceLine({"Cant open last device key value"});
        return false;
    }
    return false;
}

bool getDisplayName(const std::string& key, std::string& name)
{
    TracedCall traced("getDisplayName(\tchar* key,char* strLastUsedPartnershipName, DWORD& dwLastUsedPartnershipNameSize)");
    switch (readValue(HKEY_CURRENT_USER, key.c_str(), "DisplayName", name)) {
    case ReadResult::Read:
        return true;
    case ReadResult::NoKey:
        traceLine({"Cannot open reg key ", key.c_str()});
        return false;
    case ReadResult::NoValue:
        traceLine({"Cannot open reg key", "DisplayName"});
        return false;
    }
    return false;
}

std::string defaultPartnershipDir(const std::string& defaultValue)
{
    TracedCall traced("_getDefaultPartnershipDir(\tchar* pDefaultReturnValue, char* pReturnValue  )");
    isNT();
    std::string documents;
    if (!getMyDocuments(documents)) {
        traceLine({"getMyDocuments() failed return default value ", defaultValue.c_str()});
        return defaultValue;
    }
    traceLine({"getMyDocuments() returns ", documents.c_str()});

    std::string device;
    if (!getLastDevice(device)) {
        traceLine({"getLastDeviceName() failed return default value ", documents.c_str()});
        return documents;
    }
    traceLine({"getLastDeviceName() returns ", device.c_str()});

    const std::string partnership = std::string(kPartners) + "\\" + device;
    traceLine({"strLastUsedPartnership =", partnership.c_str()});
    std::string displayName;
    if (!getDisplayName(partnership, displayName)) {
        traceLine({"getDisplayName failed return default value ", documents.c_str()});
        return documents;
    }
    traceLine({"getDisplayName() returns ", displayName.c_str()});

    // The partnership folder lies inside the documents folder on every system.
    std::string target = documents;
    appendBackslash(target);
    target += displayName + " My Documents\\";
    traceLine({"Target Folder is  ", target.c_str()});
    traceLine({"Return Value is  ", target.c_str()});
    return target;
}

} // namespace setvane

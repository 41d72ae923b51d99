#include "platform/Registry.h"
#include "support/RegistryScope.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

HKEY createKey(HKEY parent, const char* path, REGSAM access = KEY_ALL_ACCESS, DWORD* disposition = nullptr)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(parent, path, 0, nullptr, 0, access, nullptr, &key, disposition), ERROR_SUCCESS) << path;
    return key;
}

LONG setString(HKEY key, const char* name, const std::string& text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

std::vector<BYTE> query(HKEY key, const char* name, DWORD expectedType)
{
    BYTE buffer[64];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, name, nullptr, &type, buffer, &size), ERROR_SUCCESS) << name;
    EXPECT_EQ(type, expectedType) << name;
    return std::vector<BYTE>(buffer, buffer + size);
}

std::vector<std::string> subkeys(HKEY key)
{
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        const LONG result = RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS) {
            EXPECT_EQ(result, ERROR_NO_MORE_ITEMS);
            return names;
        }
        names.emplace_back(name, size);
    }
}

TEST(Registry, ValuesKeepTheirTypeAndExactBytesInTheFile)
{
    RegistryScope scope;
    DWORD disposition = 0;
    HKEY key = createKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvex\\Keldra", KEY_ALL_ACCESS, &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    const DWORD number = 42;
    const BYTE blob[] = {0x4c, 0x00, 0xff};
    const BYTE unterminated[] = {'a', 'b'};
    EXPECT_EQ(setString(key, "lastFile", "\\My Documents\\\"My\" Wallet.wal"), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "options", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "raw", 0, REG_SZ, unterminated, sizeof unterminated), ERROR_SUCCESS);
    EXPECT_EQ(setString(key, "", "default"), ERROR_SUCCESS);

    EXPECT_EQ(query(key, "COUNT", REG_DWORD), (std::vector<BYTE>{42, 0, 0, 0}));
    EXPECT_EQ(query(key, "options", REG_BINARY), (std::vector<BYTE>{0x4c, 0x00, 0xff}));
    EXPECT_EQ(query(key, "raw", REG_SZ), (std::vector<BYTE>{'a', 'b'}));
    EXPECT_EQ(query(key, nullptr, REG_SZ), (std::vector<BYTE>{'d', 'e', 'f', 'a', 'u', 'l', 't', 0}));
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    EXPECT_EQ(scope.readRoot("HKEY_LOCAL_MACHINE"), "REGEDIT4\n"
                                                    "\n"
                                                    "[HKEY_LOCAL_MACHINE\\SOFTWARE]\n"
                                                    "\n"
                                                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvex]\n"
                                                    "\n"
                                                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvex\\Keldra]\n"
                                                    "\"lastFile\"=\"\\\\My Documents\\\\\\\"My\\\" Wallet.wal\"\n"
                                                    "\"count\"=dword:0000002a\n"
                                                    "\"options\"=hex:4c,00,ff\n"
                                                    "\"raw\"=hex(1):61,62\n"
                                                    "@=\"default\"\n"
                                                    "\n");
    struct stat st {};
    ASSERT_EQ(stat(scope.rootFile("HKEY_LOCAL_MACHINE").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(Registry, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling)
{
    RegistryScope scope;
    HKEY key = createKey(HKEY_CURRENT_USER, "Software\\Quorvex");
    EXPECT_EQ(setString(key, "LastFile", "one"), ERROR_SUCCESS);
    EXPECT_EQ(setString(key, "LASTFILE", "two"), ERROR_SUCCESS);
    EXPECT_EQ(query(key, "lastfile", REG_SZ), (std::vector<BYTE>{'t', 'w', 'o', 0}));
    DWORD disposition = 0;
    HKEY again = createKey(HKEY_CURRENT_USER, "SOFTWARE\\QUORVEX", KEY_ALL_ACCESS, &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    HKEY software = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software", 0, KEY_READ, &software), ERROR_SUCCESS);
    EXPECT_EQ(subkeys(software), std::vector<std::string>{"Quorvex"});
    EXPECT_NE(scope.readRoot("HKEY_CURRENT_USER").find("\"LastFile\"=\"two\""), std::string::npos);
    for (HKEY k : {key, again, software})
        EXPECT_EQ(RegCloseKey(k), ERROR_SUCCESS);
}

TEST(Registry, SubkeysAreEnumeratedInNameOrder)
{
    RegistryScope scope;
    HKEY key = createKey(HKEY_USERS, "list");
    for (const char* name : {"beta", "Alpha", "gamma", "Delta"})
        RegCloseKey(createKey(key, name));
    EXPECT_EQ(subkeys(key), (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma"}));
    char small[5];
    DWORD size = sizeof small;
    EXPECT_EQ(RegEnumKeyExA(key, 0, small, &size, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    RegCloseKey(key);
}

TEST(Registry, FailuresGiveTheWindowsErrorCodes)
{
    RegistryScope scope;
    HKEY key = createKey(HKEY_LOCAL_MACHINE, "A\\B");
    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "A", 0, KEY_ALL_ACCESS, &parent), ERROR_SUCCESS);
    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "A", 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    BYTE small[2];
    DWORD size = sizeof small;
    HKEY unused = nullptr;

    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "A\\missing", 0, KEY_READ, &unused), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(key, "missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setString(key, "text", "four"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(key, "text", nullptr, nullptr, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(setString(readOnly, "x", "y"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCreateKeyExA(readOnly, "C", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &unused, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "A"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(key, "missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(parent, "B"), ERROR_SUCCESS);
    EXPECT_EQ(setString(key, "x", "y"), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteKeyA(parent, "B"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "a\\\\b", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &unused, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(setString(parent, "two\nlines", "y"), ERROR_INVALID_PARAMETER);
    for (HKEY k : {key, parent, readOnly})
        EXPECT_EQ(RegCloseKey(k), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(setString(key, "x", "y"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
}

TEST(Registry, ChangesMadeByAnotherWriterAreSeen)
{
    RegistryScope scope;
    HKEY key = createKey(HKEY_CURRENT_USER, "Shared");
    EXPECT_EQ(setString(key, "v", "mine"), ERROR_SUCCESS);
    scope.writeRoot("HKEY_CURRENT_USER", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Shared]\n\"v\"=\"theirs, longer\"\n\n");
    EXPECT_EQ(query(key, "v", REG_SZ).size(), 15u);
    RegCloseKey(key);
}

TEST(Registry, DamagedFileGivesBadDbAndIsLeftAlone)
{
    RegistryScope scope;
    const std::string damaged = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\"v\"=dword:xyz\n";
    scope.writeRoot("HKEY_LOCAL_MACHINE", damaged);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &key), ERROR_BADDB);
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_BADDB);
    EXPECT_EQ(setString(HKEY_LOCAL_MACHINE, "v", "w"), ERROR_BADDB);
    EXPECT_EQ(scope.readRoot("HKEY_LOCAL_MACHINE"), damaged);
    // Other roots are not affected.
    EXPECT_EQ(setString(HKEY_CURRENT_USER, "v", "w"), ERROR_SUCCESS);
}

} // namespace

#include "zenthoLib/Base/RegKey.h"
#include "support/RegistryScope.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> subkeyNames(RegKey& key)
{
    std::vector<std::string> names;
    char name[128];
    for (DWORD i = 0; key.SubKey(i, name); ++i)
        names.emplace_back(name);
    return names;
}

TEST(RegKey, OpenAndCreateKeepTheOldHandleOnFailure)
{
    RegistryScope scope;
    RegKey key;
    DWORD disposition = 0;
    EXPECT_EQ(key.Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", nullptr, 0, KEY_ALL_ACCESS, nullptr, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    const HKEY first = key;
    EXPECT_EQ(key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(static_cast<HKEY>(key), first);
    EXPECT_EQ(key.Open(HKEY_LOCAL_MACHINE, "software\\test"), ERROR_SUCCESS);
    EXPECT_NE(static_cast<HKEY>(key), first);
    EXPECT_EQ(RegCloseKey(first), ERROR_INVALID_HANDLE) << "the old handle was closed";
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
}

TEST(RegKey, ValuesOfEveryTypeAndTheDwordReadOfAnyType)
{
    RegistryScope scope;
    RegKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Values"), ERROR_SUCCESS);
    unsigned char blob[] = {1, 2, 3, 4, 5};
    EXPECT_EQ(key.SetValue(DWORD{0x12345678}, "number"), ERROR_SUCCESS);
    EXPECT_EQ(key.SetValue("abc", "text"), ERROR_SUCCESS);
    EXPECT_EQ(key.SetValue(blob, sizeof blob, "blob"), ERROR_SUCCESS);
    DWORD number = 0;
    EXPECT_EQ(key.QueryValue(number, "number"), ERROR_SUCCESS);
    EXPECT_EQ(number, 0x12345678u);
    EXPECT_EQ(key.QueryValue(number, "text"), ERROR_SUCCESS);
    EXPECT_EQ(number, 0x00636261u) << "the text's four bytes";
    EXPECT_EQ(key.QueryValue(number, "blob"), ERROR_MORE_DATA);
    unsigned char buffer[8];
    DWORD size = sizeof buffer;
    EXPECT_EQ(key.QueryValue(buffer, "blob", &size), ERROR_SUCCESS);
    EXPECT_EQ(std::vector<unsigned char>(buffer, buffer + size), std::vector<unsigned char>(blob, blob + 5));
    EXPECT_EQ(key.DeleteValue("blob"), ERROR_SUCCESS);
    EXPECT_EQ(key.DeleteValue("blob"), ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(key.SetKeyValue("Sub\\Deeper", "deep", "name"), ERROR_SUCCESS);
    EXPECT_EQ(RegKey::SetValue(HKEY_CURRENT_USER, "Values\\Sub", "near", nullptr), ERROR_SUCCESS);
    RegKey sub;
    ASSERT_EQ(sub.Open(key, "Sub\\Deeper", KEY_READ), ERROR_SUCCESS);
    size = sizeof buffer;
    EXPECT_EQ(sub.QueryValue(buffer, "name", &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), std::string("deep", 5));
    EXPECT_EQ(RegKey::SetValue(HKEY_CURRENT_USER, "bad\\\\path", "x", "y"), ERROR_INVALID_PARAMETER);
}

TEST(RegKey, RecurseDeleteKeyRemovesANestedTree)
{
    RegistryScope scope;
    RegKey root;
    ASSERT_EQ(root.Create(HKEY_LOCAL_MACHINE, "Tree"), ERROR_SUCCESS);
    for (const char* path : {"Doomed\\a\\x", "Doomed\\a\\y\\z", "Doomed\\b", "Kept\\c"})
        EXPECT_EQ(root.SetKeyValue(path, "v", "n"), ERROR_SUCCESS) << path;
    EXPECT_EQ(root.DeleteSubKey("Doomed"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(root.RecurseDeleteKey("doomed"), ERROR_SUCCESS);
    EXPECT_EQ(subkeyNames(root), std::vector<std::string>{"Kept"});
    EXPECT_EQ(root.RecurseDeleteKey("Doomed"), ERROR_FILE_NOT_FOUND);
}

TEST(RegKey, AttachAndDetachHandOverTheHandle)
{
    RegistryScope scope;
    RegKey owner;
    ASSERT_EQ(owner.Create(HKEY_USERS, "Handle"), ERROR_SUCCESS);
    RegKey other;
    other.Attach(owner.Detach());
    EXPECT_EQ(static_cast<HKEY>(owner), nullptr);
    EXPECT_EQ(other.SetValue(DWORD{1}, "n"), ERROR_SUCCESS);
}

} // namespace

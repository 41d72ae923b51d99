#include "zenthoLib/Base/AppRegistry.h"
#include "support/RegistryScope.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kKeyPath = "SOFTWARE\\Test\\App";

// An options record whose own part is a list of numbers.
class ListOptions : public CAppOptions {
public:
    std::vector<int> numbers{7};

    int saveAppData(COutputStream& out) override
    {
        out << static_cast<int>(numbers.size());
        for (int n : numbers)
            out << n;
        return 0;
    }
    int loadAppData(ZenthoIO::CInputStream& in) override
    {
        int count = 0;
        in >> count;
        numbers.assign(in.getError() ? 0 : static_cast<std::size_t>(count), 0);
        for (int& n : numbers)
            in >> n;
        return 0;
    }
};

class TestRegistry : public CAppRegistry {
public:
    static CAppRegistry* make() { return new TestRegistry; }

    void createOptions(CSmartPtr<CAppOptions>& out) override { out = new ListOptions; }
    const char* getKeyPath() override { return kKeyPath; }
    const char* getOptionsValueName() override { return "options"; }
    const char* getProgramDirValueName() override { return "home"; }
};

std::vector<BYTE> storedOptions()
{
    RegKey key;
    BYTE buffer[4096];
    DWORD size = sizeof buffer;
    if (key.Open(HKEY_LOCAL_MACHINE, kKeyPath, KEY_READ) || key.QueryValue(buffer, "options", &size))
        return {};
    return std::vector<BYTE>(buffer, buffer + size);
}

void storeOptions(const std::vector<BYTE>& bytes)
{
    RegKey key;
    ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kKeyPath), ERROR_SUCCESS);
    std::vector<BYTE> copy = bytes;
    ASSERT_EQ(key.SetValue(copy.data(), static_cast<DWORD>(copy.size()), "options"), ERROR_SUCCESS);
}

TEST(AppRegistry, UnopenedRegistryTouchesNothing)
{
    RegistryScope scope;
    TestRegistry registry;
    ListOptions options;
    CString text = "unchanged";
    EXPECT_EQ(registry.readOptions(&options), 1);
    EXPECT_EQ(registry.saveOptions(&options), 1);
    EXPECT_EQ(registry.GetString("x", text), 0);
    EXPECT_EQ(registry.SetString("x", "y"), 0);
    EXPECT_EQ(registry.init(), 0) << "the key is not made by init";
    EXPECT_EQ(registry.saveOptions(&options), 1);
    EXPECT_EQ(text, CString("unchanged"));
    EXPECT_TRUE(std::filesystem::is_empty(scope.dir().path()));
}

TEST(AppRegistry, OptionsValueStartsWithTheFirstRunFlag)
{
    RegistryScope scope;
    TestRegistry registry;
    ASSERT_EQ(registry.Create(), 1);
    ListOptions options;
    options.numbers = {1, 2};
    const struct {
        int firstRun;
        BYTE flags;
    } cases[] = {{1, 0x40}, {0, 0x00}};
    for (const auto& c : cases) {
        options.setFirstRun(c.firstRun);
        ASSERT_EQ(registry.saveOptions(&options), 0);
        EXPECT_EQ(storedOptions(), (std::vector<BYTE>{c.flags, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}));
        ListOptions back;
        back.setFirstRun(!c.firstRun);
        EXPECT_EQ(registry.readOptions(&back), 0);
        EXPECT_EQ(back.isFirstRun(), c.firstRun);
        EXPECT_EQ(back.numbers, options.numbers);
    }
}

TEST(AppRegistry, ReadOptionsTellsWhichPartFailed)
{
    RegistryScope scope;
    TestRegistry registry;
    ASSERT_EQ(registry.Create(), 1);
    ListOptions options;
    EXPECT_EQ(registry.readOptions(&options), 1) << "no value yet";
    const struct {
        std::vector<BYTE> blob;
        int result;
    } cases[] = {
        {{0x40, 0, 0, 0, 1, 0, 0, 0, 9, 0, 0, 0}, 0},
        {{0x40, 0, 0, 0}, 2},
        {{0x40, 0, 0, 0, 5, 0, 0, 0, 9, 0, 0, 0}, 2},
        {{0x40, 0}, 1},
        {{}, 1},
        {std::vector<BYTE>(2048, 0), 0},
        {std::vector<BYTE>(2049, 0), 1},
    };
    for (const auto& c : cases) {
        storeOptions(c.blob);
        EXPECT_EQ(registry.readOptions(&options), c.result) << c.blob.size() << " bytes";
    }
}

TEST(AppRegistry, SaveOptionsRefusesARecordOver2048Bytes)
{
    RegistryScope scope;
    TestRegistry registry;
    ASSERT_EQ(registry.Create(), 1);
    ListOptions options;
    ASSERT_EQ(registry.saveOptions(&options), 0);
    const std::vector<BYTE> before = storedOptions();
    options.numbers.assign(510, 3); // 4 + 4 + 510 * 4 = 2048 bytes: fits
    EXPECT_EQ(registry.saveOptions(&options), 0);
    EXPECT_EQ(storedOptions().size(), 2048u);
    options.numbers.assign(511, 3);
    EXPECT_EQ(registry.saveOptions(&options), 1);
    EXPECT_EQ(storedOptions().size(), 2048u) << "nothing written";
    options.numbers.clear();
    EXPECT_EQ(registry.saveOptions(&options), 0);
    EXPECT_NE(storedOptions(), before);
}

TEST(AppRegistry, StringsLongerThan259CharactersCannotBeRead)
{
    RegistryScope scope;
    TestRegistry registry;
    ASSERT_EQ(registry.Create(), 1);
    CString out = "unchanged";
    EXPECT_EQ(registry.GetString("missing", out), 0);
    EXPECT_EQ(out, CString("unchanged"));
    const CString longest(std::string(259, 'a'));
    EXPECT_EQ(registry.SetString("path", longest), 1);
    EXPECT_EQ(registry.GetString("PATH", out), 1);
    EXPECT_EQ(out, longest);
    EXPECT_EQ(registry.SetString("path", CString(std::string(260, 'b'))), 1);
    EXPECT_EQ(registry.GetString("path", out), 0);
    EXPECT_EQ(out, longest);
    EXPECT_EQ(registry.SetString("home", "C:\\Program Files\\Keldra"), 1);
    EXPECT_EQ(registry.getProgramDir(out), 1);
    EXPECT_EQ(out, CString("C:\\Program Files\\Keldra"));
}

TEST(AppRegistry, InstalledProperlyNeedsTheKeyAndTheOptionsValue)
{
    RegistryScope scope;
    EXPECT_EQ(CAppRegistry::isInstalledProperly(&TestRegistry::make), 0);
    TestRegistry registry;
    ASSERT_EQ(registry.Create(), 1);
    EXPECT_EQ(CAppRegistry::isInstalledProperly(&TestRegistry::make), 0);
    EXPECT_EQ(registry.ClearOptions(), 0);
    EXPECT_EQ(CAppRegistry::isInstalledProperly(&TestRegistry::make), 1);
    EXPECT_EQ(storedOptions(), (std::vector<BYTE>{0x40, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0}));
}

} // namespace

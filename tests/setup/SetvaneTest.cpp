// The installer plug-in, loaded as the installer loads it, over a registry
// prepared in a temporary folder.
#include "support/EnvScope.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using InstallerCall = void (*)(void* hwndParent, int string_size, char* variables, void** stacktop);
using PlainCall = void (*)(char* defaultValue, char* out);

constexpr const char* kShellFolders =
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders]";
constexpr const char* kServices = "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows CE Services]";
constexpr const char* kPartners = "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows CE Services\\Partners]";

// A registry file's quoted text: backslashes and quotes escaped.
std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string partner(const char* id)
{
    return std::string("[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows CE Services\\Partners\\") + id + "]";
}

class Setvane : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_library = dlopen(SETVANE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_library, nullptr) << dlerror();
    }
    void TearDown() override
    {
        if (m_library)
            dlclose(m_library);
    }

    template <typename F>
    F exported(const char* name)
    {
        auto f = reinterpret_cast<F>(dlsym(m_library, name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }

    // Writes one root key's registry file.
    void writeRoot(const char* root, const std::vector<std::string>& lines)
    {
        std::ofstream out(m_registry.file(std::string(root) + ".reg"));
        out << "REGEDIT4\n\n";
        for (const std::string& line : lines)
            out << line << "\n";
    }

    void documentsFolder(const char* folder)
    {
        writeRoot("HKEY_LOCAL_MACHINE", {kShellFolders, "\"Personal\"=" + quoted(folder)});
    }

    // Runs an installer call on a variables array of `stringSize` x 25 bytes
    // with $1 set and guard text in $2; returns $0.
    std::string call(const char* name, const std::string& dollarOne = "", int stringSize = 1024)
    {
        std::vector<char> variables(static_cast<std::size_t>(stringSize) * 25, '\0');
        std::snprintf(variables.data() + stringSize, static_cast<std::size_t>(stringSize), "%s", dollarOne.c_str());
        std::snprintf(variables.data() + 2 * stringSize, static_cast<std::size_t>(stringSize), "guard");
        void* stack = nullptr;
        exported<InstallerCall>(name)(nullptr, stringSize, variables.data(), &stack);
        EXPECT_STREQ(variables.data() + 2 * stringSize, "guard") << "the call wrote past $0";
        EXPECT_EQ(stack, nullptr) << "the installer stack is never used";
        return std::string(variables.data());
    }

    std::string trace() const
    {
        std::ifstream in(m_drive.file("dllDump.txt"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempDir m_registry;
    TempDir m_drive;
    EnvScope m_registryVariable{"KELDRA_REGISTRY", m_registry.path().string()};
    EnvScope m_driveVariable{"KELDRA_DRIVE_C", m_drive.path().string()};
    void* m_library = nullptr;
};

TEST_F(Setvane, PartnershipFolderFollowsTheSynchronisationSettings)
{
    const struct {
        const char* what;
        std::vector<std::string> currentUser;
        const char* expected;
    } cases[] = {
        {"no partnership key", {}, "C:\\Docs\\"},
        {"one partnership",
         {kPartners, partner("P1"), "\"DisplayName\"=\"Pocket\""},
         "C:\\Docs\\Pocket My Documents\\"},
        {"two partnerships, the last device picks",
         {kServices, "\"Last Device\"=\"P2\"", kPartners,
          partner("P1"), "\"DisplayName\"=\"First\"",
          partner("P2"), "\"DisplayName\"=\"Second\""},
         "C:\\Docs\\Second My Documents\\"},
        {"two partnerships without a last device",
         {kPartners, partner("P1"),
          partner("P2")},
         "C:\\Docs\\"},
        {"an empty partners key", {kPartners}, "C:\\Docs\\"},
        {"a partnership without a display name",
         {kPartners, partner("P1")}, "C:\\Docs\\"},
    };
    for (const auto& c : cases) {
        documentsFolder("C:\\Docs");
        writeRoot("HKEY_CURRENT_USER", c.currentUser);
        EXPECT_EQ(call("getDefaultPartnershipDir", "C:\\Fallback"), c.expected) << c.what;
    }
}

TEST_F(Setvane, DefaultComesFromDollarOneWhenThereIsNoDocumentsFolder)
{
    const struct {
        std::string dollarOne;
        std::string expected;
    } cases[] = {
        {"C:\\Fallback", "C:\\Fallback\\"},
        {"C:\\Fallback\\", "C:\\Fallback\\"},
        {"C", "C"}, // a lone drive letter gets no "\"
        {"", ""},
        {std::string(300, 'x'), std::string(259, 'x') + "\\"}, // cut to the working buffer
    };
    for (const auto& c : cases)
        EXPECT_EQ(call("getDefaultPartnershipDir", c.dollarOne), c.expected) << c.dollarOne;
}

TEST_F(Setvane, AnswersAreCutToTheInstallersStringSize)
{
    documentsFolder("C:\\A rather long documents folder");
    EXPECT_EQ(call("getMyDocumentsDir", "", 16), "C:\\A rather lon");
    EXPECT_EQ(call("getDefaultPartnershipDir", std::string(300, 'y'), 8), "C:\\A ra");
}

TEST_F(Setvane, DocumentsFolderAndOperatingSystem)
{
    documentsFolder("C:\\Users\\me\\Documents");
    EXPECT_EQ(call("getMyDocumentsDir"), "C:\\Users\\me\\Documents");
    EXPECT_EQ(call("getOperationSystem"), "WINNT");
    writeRoot("HKEY_LOCAL_MACHINE", {});
    EXPECT_EQ(call("getMyDocumentsDir"), "");
}

TEST_F(Setvane, PlainExportAnswersIntoTheCallersBuffer)
{
    documentsFolder("C:\\Docs");
    writeRoot("HKEY_CURRENT_USER", {kPartners, partner("P1"),
                                    "\"DisplayName\"=\"Pocket\""});
    char defaultValue[] = "C:\\Fallback";
    char out[260] = {};
    exported<PlainCall>("_getDefaultPartnershipDir")(defaultValue, out);
    EXPECT_STREQ(out, "C:\\Docs\\Pocket My Documents\\");
}

TEST_F(Setvane, EveryStepIsTraced)
{
    documentsFolder("C:\\Docs");
    call("getDefaultPartnershipDir", "C:\\Fallback");
    const std::string text = trace();
    using ::testing::HasSubstr;
    EXPECT_THAT(text, HasSubstr("\nEntering function getDefaultPartnershipDir(HWND hwndParent, int string_size,char "
                                "*variables,stack_t **stacktop)\n"));
    EXPECT_THAT(text, HasSubstr("\n\tgetMyDocuments() returns C:\\Docs\n"));
    EXPECT_THAT(text, HasSubstr("\n\tCant open last device key\n"));
    EXPECT_THAT(text, HasSubstr("\n\tReturn Value is  C:\\Docs\\\n"));
    EXPECT_THAT(text, HasSubstr("\nLeaving function getDefaultPartnershipDir("));
}

} // namespace

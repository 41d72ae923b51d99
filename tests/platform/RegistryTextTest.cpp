#include "platform/Registry.h"
#include "platform/RegistryText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const kRoot = "HKEY_LOCAL_MACHINE";

TEST(RegistryText, EveryValueTypeRoundTripsByteForByte)
{
    const std::string long80(80, 'x');
    const std::string canonical[] = {
        "REGEDIT4\n\n",
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE]\n@=\"root default\"\n\n[HKEY_LOCAL_MACHINE\\Empty]\n\n",
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvex]\n"
        "\"text\"=\"a \\\\ b \\\" c \xc3\xa9\"\n"
        "\"empty\"=\"\"\n"
        "\"num\"=dword:ffffffff\n"
        "\"bin\"=hex:00,01,7f,80,ff\n"
        "\"nobytes\"=hex:\n"
        "\"two lines\"=hex(1):61,0a,62,00\n"
        "\"short dword\"=hex(4):01,02\n"
        "\"expand\"=hex(2):25,00\n"
        "\"" + long80 + "\"=dword:00000000\n"
        "\"\\\"quoted\\\\name\\\"\"=\"v\"\n"
        "\n",
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Big]\n"
        "\"options\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\n"
        "  15,16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,\\\n"
        "  2e,2f\n"
        "\n",
    };
    for (const std::string& text : canonical) {
        RegistryNode root;
        ASSERT_TRUE(parseRegistryText(text, kRoot, root)) << text;
        EXPECT_EQ(formatRegistryText(root, kRoot), text);
    }
}

TEST(RegistryText, ParsedValuesHoldTheirBytes)
{
    RegistryNode root;
    ASSERT_TRUE(parseRegistryText("REGEDIT4\r\n\r\n; a comment\r\n[hkey_local_machine\\A\\B]\r\n"
                                  "\"s\"=\"x\\\\y\"\r\n\"d\"=dword:0000002a\r\n\"h\"=hex:01,\\\r\n   02\r\n",
                                  kRoot, root));
    const RegistryNode* key = root.find({"a", "b"});
    ASSERT_NE(key, nullptr);
    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
    } expected[] = {
        {"s", REG_SZ, {'x', '\\', 'y', 0}},
        {"d", REG_DWORD, {0x2a, 0, 0, 0}},
        {"h", REG_BINARY, {1, 2}},
    };
    for (const auto& e : expected) {
        const RegistryValue* value = key->value(e.name);
        ASSERT_NE(value, nullptr) << e.name;
        EXPECT_EQ(value->type, e.type) << e.name;
        EXPECT_EQ(value->data, e.data) << e.name;
    }
}

TEST(RegistryText, DamagedTextIsRefused)
{
    const char* const damaged[] = {
        "",
        "REGEDIT5\n",
        "REGEDIT4\n\"v\"=\"value before any key\"\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\other root]\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a\\\\b]\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=\"unterminated\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=\"bad \\n escape\"\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=\"x\" trailing\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=dword:123456789\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=hex:1,2g\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=hex:100\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=hex(1:00\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n\"v\"=-\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\nstray line\n",
        "REGEDIT4\n[-HKEY_LOCAL_MACHINE\\a]\n",
    };
    for (const char* text : damaged) {
        RegistryNode root;
        EXPECT_FALSE(parseRegistryText(text, kRoot, root)) << text;
    }
}

} // namespace

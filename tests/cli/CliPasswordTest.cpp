// Passwords, sealed categories, the dump and import, the check and the
// program's settings.
#include "CliFixture.h"
#include "settings/KeldraRegistry.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

class CliSealedTest : public CliTest {
protected:
    // A wallet with a plain and a sealed category, password "first".
    void SetUp() override
    {
        ok({"create", wallet, "--name", "W"});
        ok({"add-category", wallet, "Plain"});
        ok({"add-card", wallet, "Plain/Bank", "Bank Account", "bankName=North", "pin=123456"});
        ok({"add-category", wallet, "Vault", "--encrypt", "on", "--new-password-file", first});
        ok({"add-card", wallet, "Vault/Mail", "Password", "system=mail", "password=hunter2", "--password-file", first});
    }

    const std::string first = passwordFile("first");
};

TEST_F(CliSealedTest, SealedCardsNeedThePasswordAndFollowItsChange)
{
    EXPECT_EQ(ok({"tree", wallet}).out, "W/\n  Plain/\n    Bank  (Bank Account)\n  Vault/  [locked: 1 sealed cards]\n");
    EXPECT_EQ(ok({"show", wallet, "Vault/Mail", "--password-stdin"}, "first\n").out.find("Card Name : Mail"), 0u);
    const CliResult noPassword = runCli({"show", wallet, "Vault/Mail"});
    EXPECT_EQ(noPassword.status, 1);
    EXPECT_NE(noPassword.err.find("A password is needed"), std::string::npos);

    const std::string second = passwordFile("second");
    ok({"passwd", wallet, "--password-file", first, "--new-password-file", second});
    const CliResult wrong = runCli({"show", wallet, "Vault/Mail", "--password-file", first});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.err, "Password is incorrect!\n");
    EXPECT_EQ(ok({"show", wallet, "Vault/Mail", "--password-file", second}).out, "Card Name : Mail\nSystem : mail\nPassword : hunter2\n");
    // Both on standard input: the password's line first, then the new one.
    ok({"passwd", wallet, "--password-stdin", "--new-password-stdin"}, "second\nthird\n");
    ok({"show", wallet, "Vault/Mail", "--password-stdin"}, "third\n");
}

TEST_F(CliSealedTest, OneFieldIsPrintedAsItIsForScripts)
{
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"Plain/Bank", "--field", "pin"}, 0, "1234", ""},
        {{"Plain/Bank", "--field", "bankName"}, 0, "North", ""},
        {{"Plain/Bank", "--field", "notes"}, 0, "", ""},
        {{"Plain/Bank", "--field", "showIcon"}, 0, "true", ""},
        {{"Vault/Mail", "--field", "password", "--password-file", first}, 0, "hunter2", ""},
        {{"Vault/Mail", "--field", "password"}, 1, "", "A password is needed"},
        {{"Plain/Bank", "--field", "Pin"}, 1, "", "The card \"/Plain/Bank\" has no field \"Pin\". Its fields: accountType, accountNumber"},
        {{"Plain", "--field", "name"}, 1, "", "\"/Plain\" is a category"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"show", wallet};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = runCli(args);
        SCOPED_TRACE(c.args[0] + " " + c.args[2]);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_EQ(result.out, c.out);
        if (c.err.empty())
            EXPECT_EQ(result.err, "");
        else
            EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
}

TEST_F(CliSealedTest, ExportAsksWhetherToDecrypt)
{
    const std::string plainPart = "Category : W\r\n\r\nCategory : Plain\r\n\r\nCard Name : Bank\r\nBank Name : North\r\nPin : 1234\r\n\r\n\r\n";
    const std::string header = "Wallet version 1.0 Export file\r\n\r\n";
    EXPECT_EQ(ok({"export", wallet, "--no-decrypt"}).out, header + plainPart + "Category : Vault\r\n\r\n\r\n");
    EXPECT_EQ(ok({"export", wallet, "--decrypt", "--password-file", first}).out,
              header + plainPart + "Category : Vault\r\n\r\nCard Name : Mail\r\nSystem : mail\r\nPassword : hunter2\r\n\r\n\r\n");
    // No answer and no terminal: the safe answer, Cancel, writes nothing.
    const CliResult cancelled = runCli({"export", wallet});
    EXPECT_EQ(cancelled.status, 1);
    EXPECT_EQ(cancelled.out, "");
}

TEST_F(CliSealedTest, DumpAndImportMakeTheSameTree)
{
    const std::string dumpFile = file("dump.json");
    ok({"dump", wallet, "--decrypt", "--password-file", first, "-o", dumpFile});
    const Json dump = Json::parse(readFile(dumpFile));
    EXPECT_EQ(dump["file"]["version"], 3);
    EXPECT_EQ(dump["file"]["checkBlockLength"].get<int>() % 2, 0);
    EXPECT_GE(dump["file"]["checkBlockLength"].get<int>(), 8);

    const std::string copy = file("copy.wal");
    ok({"create", copy, "--name", "W"});
    ok({"import", copy, dumpFile, "--new-password-file", first});
    const Json again = Json::parse(ok({"dump", copy, "--decrypt", "--password-file", first}).out);
    EXPECT_EQ(again["root"]["children"], dump["root"]["children"]);
    EXPECT_EQ(again["root"]["children"][0]["children"][0]["fields"]["pin"], "1234");

    // Sealed cards left out of a dump cannot come back: the import refuses before writing.
    const std::string sealedDump = file("sealed.json");
    ok({"dump", wallet, "-o", sealedDump});
    const CliResult refused = runCli({"import", copy, sealedDump, "--into", "Plain"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("dump it with --decrypt"), std::string::npos);
    EXPECT_EQ(Json::parse(ok({"dump", copy}).out)["root"]["children"][0]["children"].size(), 1u);
}

TEST_F(CliSealedTest, CheckReportsLiveAndDeadBytesAndDamage)
{
    ok({"edit-card", wallet, "Plain/Bank", "bankName=South"});
    const CliResult before = ok({"check", wallet, "--password-file", first});
    EXPECT_NE(before.out.find("sealed cards: 1 (1 opened)"), std::string::npos) << before.out;
    EXPECT_NE(before.out.find("Password: correct"), std::string::npos);
    EXPECT_EQ(before.out.find("dead bytes: 0\n"), std::string::npos) << "an edit leaves dead bytes until the next open";
    ok({"compact", wallet});
    EXPECT_NE(ok({"check", wallet}).out.find("dead bytes: 0\n"), std::string::npos);

    const CliResult wrong = runCli({"check", wallet, "--password-file", passwordFile("nope")});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.out.find("Password: wrong"), std::string::npos);

    // The root record's first subcategory slot pointed past the end of the file.
    std::string bytes = readFile(wallet);
    const Json dump = Json::parse(ok({"dump", wallet}).out);
    const std::size_t root = dump["file"]["rootOffset"].get<std::size_t>();
    bytes.replace(root + 8, 4, std::string("\xff\xff\xff\x0f", 4));
    writeFile(wallet, bytes);
    const CliResult damaged = runCli({"check", wallet});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.out.find("Damaged: The record of /W points to offset"), std::string::npos) << damaged.out;
}

// The settings of an installed program: a running lock-out stops the tool,
// and the last wallet stays as the program left it.
TEST_F(CliTest, InstalledSettingsAreHonouredAndTheLastWalletIsKept)
{
    CKeldraRegistry installed;
    ASSERT_TRUE(installed.Create());
    CKeldraOptions options;
    options.setPromptOnOpen(true);
    ASSERT_EQ(installed.saveOptions(&options), 0);
    ASSERT_TRUE(installed.setLastFile("c:\\Other.wal"));
    const std::string before = registry.readRoot("HKEY_LOCAL_MACHINE");

    ok({"create", wallet});
    ok({"add-category", wallet, "Vault", "--encrypt", "on", "--new-password-file", passwordFile("pw")});
    // Prompt on open: even the tree needs the password now.
    EXPECT_EQ(runCli({"tree", wallet}).status, 1);
    ok({"tree", wallet, "--password-stdin"}, "pw\n");
    EXPECT_EQ(registry.readRoot("HKEY_LOCAL_MACHINE"), before);

    options.startLockout(CKeldraOptions::currentTime());
    ASSERT_EQ(installed.saveOptions(&options), 0);
    const CliResult locked = runCli({"tree", wallet, "--password-stdin"}, "pw\n");
    EXPECT_EQ(locked.status, 1);
    EXPECT_EQ(locked.err, "Wallet is locked!\n");
}

TEST_F(CliTest, WithoutAnInstalledKeyNothingIsWrittenToTheRegistry)
{
    ok({"create", wallet});
    ok({"tree", wallet});
    EXPECT_FALSE(std::filesystem::exists(registry.rootFile("HKEY_LOCAL_MACHINE")));
}

} // namespace

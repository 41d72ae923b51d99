// Moving in and out through the tool: import-from, export --format and
// generate, as a user runs them.
#include "CliFixture.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>

namespace {

std::string interchangeFixture(const std::string& name) { return std::string(KELDRA_TESTDATA) + "/interchange/" + name; }

std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
    return text;
}

unsigned modeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

} // namespace

// Without --into the cards go into one new encrypted category named after
// the source and the day; the wallet's first password is set for it.
TEST_F(CliTest, ImportFromMakesOneEncryptedCategoryAndPrintsTheSummary)
{
    ok({"create", wallet, "--name", "W"});
    const std::string pw = passwordFile("moving-in");
    const CliResult imported = ok({"import-from", wallet, interchangeFixture("bitwarden.json"), "--new-password-file", pw});
    const std::string category = "Bitwarden JSON " + today();
    EXPECT_EQ(imported.out, "Imported from Bitwarden JSON into the new encrypted category \"" + category + "\":\n"
                            "  categories: 4\n"
                            "  cards: 6 (Contact 1, Credit Card 1, Free Form 1, ID Card 1, Password 1, Web Site 1)\n"
                            "  values moved into notes: 11\n"
                            "  skipped: 0\n");
    EXPECT_EQ(ok({"tree", wallet}).out, "W/\n  " + category + "/  [locked: 2 sealed cards]\n"
                                        "    Finance/  [locked: 1 sealed cards]\n"
                                        "      Cards/  [locked: 1 sealed cards]\n"
                                        "    Personal/  [locked: 2 sealed cards]\n");
    EXPECT_EQ(ok({"show", wallet, category + "/Finance/Cards/Visa", "--field", "cardNumber", "--password-file", pw}).out,
              "4111111111111111");
}

// The format comes from the content; one that is not certain is asked for.
TEST_F(CliTest, ImportFromDetectsTheFormatOrAsksForIt)
{
    ok({"create", wallet});
    const std::string both = file("both.csv");
    writeFile(both, "name,url,username,password,httpRealm\nx,https://x,u,p,\n");
    const CliResult uncertain = runCli({"import-from", wallet, both});
    EXPECT_EQ(uncertain.status, 1);
    EXPECT_EQ(uncertain.err, "\"" + both + "\" could be chromium-csv or firefox-csv: which one is it? Name it with --format.\n");
    const std::string unknown = file("unknown.txt");
    writeFile(unknown, "site;login;secret\n");
    EXPECT_EQ(runCli({"import-from", wallet, unknown}).status, 1);
    EXPECT_EQ(runCli({"import-from", wallet, both, "--format", "lastpass-csv"}).status, 2);

    ok({"add-category", wallet, "Browser"});
    const CliResult chosen = ok({"import-from", wallet, both, "--format", "chromium-csv", "--into", "Browser", "--yes"});
    EXPECT_NE(chosen.out.find("Imported from Chromium CSV into \"/Browser\":"), std::string::npos);
    EXPECT_EQ(ok({"tree", wallet}).out, "test/\n  Browser/\n    x  (Web Site)\n");
}

// A file that fails at its last entry leaves the wallet byte for byte as it was.
TEST_F(CliTest, ImportFromAddsAllOrNothing)
{
    ok({"create", wallet});
    ok({"add-card", wallet, "Kept", "Password", "username=me"});
    const std::string before = readFile(wallet);
    const std::string source = file("broken.json");
    writeFile(source, R"({"encrypted": false, "folders": [], "items": [
        {"type": 2, "name": "first", "notes": "fine"},
        {"type": 1, "name": "second", "login": {"username": "u", "password": "p"}},
        {"type": 1, "name": "last", "login": {"username": ["not", "a", "text"]}}]})");
    const CliResult failed = runCli({"import-from", wallet, source, "--into", "/", "--yes"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "\"" + source + "\", item 3 (\"last\"): \"username\" is not a text.\n");
    EXPECT_EQ(readFile(wallet), before);
}

// Secrets go into a plain category only when the person says so.
TEST_F(CliTest, ImportFromIntoAPlainCategoryAsksFirst)
{
    ok({"create", wallet});
    ok({"add-category", wallet, "Plain"});
    const std::string source = interchangeFixture("firefox.csv");
    const CliResult refused = runCli({"import-from", wallet, source, "--into", "Plain"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("The imported passwords and secrets will be stored unencrypted in \"/Plain\". Continue?"), std::string::npos);
    EXPECT_EQ(ok({"tree", wallet}).out, "test/\n  Plain/\n");
    ok({"import-from", wallet, source, "--into", "Plain", "--yes"});
    EXPECT_EQ(ok({"tree", wallet}).out, "test/\n  Plain/\n    forum.example.org  (Web Site)\n    intranet.example.com  (Web Site)\n");
}

// The export warns, writes mode 0600 over a file that was there, and takes
// the sealed cards only with the password.
TEST_F(CliTest, ExportFormatIsPrivateWarnsAndOpensSealedCardsOnlyWithThePassword)
{
    ok({"create", wallet, "--name", "W"});
    const std::string pw = passwordFile("pw");
    ok({"add-card", wallet, "Open", "Web Site", "username=u", "url=https://open.example"});
    ok({"add-category", wallet, "Safe", "--encrypt", "on", "--new-password-file", pw});
    ok({"add-card", wallet, "Safe/Hidden", "Password", "password=deep", "--password-file", pw});
    const std::string out = file("out.csv");
    writeFile(out, "old");
    ::chmod(out.c_str(), 0644);

    const CliResult without = ok({"export", wallet, "--format", "keepassxc-csv", "-o", out, "--no-decrypt"});
    EXPECT_NE(without.err.find("not encrypted"), std::string::npos);
    EXPECT_NE(without.err.find("1 sealed cards were left out"), std::string::npos);
    EXPECT_EQ(modeOf(out), 0600u);
    EXPECT_EQ(readFile(out).find("deep"), std::string::npos);
    EXPECT_NE(readFile(out).find("\"W\",\"Open\",\"u\",\"\",\"https://open.example\""), std::string::npos);

    ok({"export", wallet, "--format", "keepassxc-csv", "-o", out, "--password-file", pw});
    EXPECT_NE(readFile(out).find("\"W/Safe\",\"Hidden\",\"\",\"deep\""), std::string::npos);

    // What went out comes back in.
    const std::string json = file("out.json");
    ok({"export", wallet, "--format", "bitwarden-json", "-o", json, "--password-file", pw});
    const std::string second = file("second.wal");
    ok({"create", second});
    ok({"import-from", second, json, "--new-password-file", pw});
    const std::string category = "Bitwarden JSON " + today();
    EXPECT_EQ(ok({"show", second, category + "/Safe/Hidden", "--field", "password", "--password-file", pw}).out, "deep");
    EXPECT_EQ(runCli({"export", wallet, "--format", "text"}).status, 2);
}

TEST_F(CliTest, GeneratePrintsThePasswordAndItsStrength)
{
    struct Case {
        std::vector<std::string> args;
        std::size_t length;
        std::string allowed;
        std::string strength;
    };
    const Case cases[] = {
        {{"generate", "--length", "4", "--digits"}, 4, "0123456789", "strength: 13 bits\n"},
        {{"generate", "--length", "30", "--lower", "--no-lookalikes"}, 30, "abcdefghijkmnpqrstuvwxyz", "strength: 137 bits\n"},
        {{"generate"}, 20, "", "strength: 130 bits\n"},
    };
    for (const Case& c : cases) {
        const CliResult result = ok(c.args);
        const std::string password = result.out.substr(0, result.out.find('\n'));
        EXPECT_EQ(password.size(), c.length) << result.out;
        if (!c.allowed.empty()) {
            EXPECT_EQ(password.find_first_not_of(c.allowed), std::string::npos) << password;
        }
        EXPECT_EQ(result.out.substr(result.out.find('\n') + 1), c.strength);
    }
    const CliResult phrase = ok({"generate", "--words", "6"});
    const std::string words = phrase.out.substr(0, phrase.out.find('\n'));
    EXPECT_EQ(std::count(words.begin(), words.end(), ' '), 5) << phrase.out;
    EXPECT_NE(phrase.out.find("\nstrength: 77 bits\n"), std::string::npos);
    EXPECT_EQ(runCli({"generate", "--length", "2", "--digits", "--lower", "--upper"}).status, 2);
    EXPECT_EQ(runCli({"generate", "--words", "3", "--digits"}).status, 2);
}

// Strong wallets through the tool: creating one, converting either way,
// changing the password, and the commands that say the format.
#include "CliFixture.h"

namespace {

class CliStrong : public CliTest {
protected:
    // New strong files take cheap key-derivation parameters in these runs.
    CliStrong() : cheapKdf("KELDRA_STRONG_KDF", "1,8") {}

    EnvScope cheapKdf;
};

TEST_F(CliStrong, CreateEditConvertBothWaysAndSayTheFormat)
{
    const std::string pw = passwordFile("pw");
    ok({"create", wallet, "--strong", "--password-file", pw});
    ok({"add-category", wallet, "Bank", "--password-file", pw});
    ok({"add-card", wallet, "Bank/Visa", "Credit Card", "cardNumber=4111222233334444", "--password-file", pw});
    const std::string tree = "test/\n  Bank/\n    Visa  (Credit Card)\n";
    EXPECT_EQ(ok({"tree", wallet, "--password-file", pw}).out, "[strong]\n" + tree);
    const std::string strongBytes = readFile(wallet);
    for (const char* secret : {"Visa", "Bank", "4111222233334444"})
        EXPECT_EQ(strongBytes.find(secret), std::string::npos) << secret;
    const CliResult check = ok({"check", wallet, "--password-file", pw});
    EXPECT_NE(check.out.find("Format: strong\n"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("The wallet is sound."), std::string::npos) << check.out;
    EXPECT_NE(ok({"compact", wallet, "--password-file", pw}).out.find("bytes (strong)\n"), std::string::npos);

    const std::string beforeRefusal = readFile(wallet);
    const CliResult refused = runCli({"convert", wallet, "--to", "classic", "--password-file", pw});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Convert the wallet to the classic format? No"), std::string::npos) << refused.err;
    EXPECT_EQ(ok({"tree", wallet, "--password-file", pw}).out, "[strong]\n" + tree);

    EXPECT_EQ(ok({"convert", wallet, "--to", "classic", "--yes", "--password-file", pw}).out, "Converted to classic.\n");
    EXPECT_EQ(ok({"tree", wallet}).out, tree);
    EXPECT_NE(ok({"check", wallet, "--password-file", pw}).out.find("Format: classic\n"), std::string::npos);
    EXPECT_NE(readFile(wallet).find("V\0i\0s\0a", 0, 7), std::string::npos) << "the classic file keeps names readable";

    EXPECT_EQ(ok({"convert", wallet, "--to", "strong", "--password-file", pw}).out, "Converted to strong.\n");
    EXPECT_EQ(ok({"tree", wallet, "--password-file", pw}).out, "[strong]\n" + tree);
    EXPECT_EQ(ok({"show", wallet, "Bank/Visa", "--field", "cardNumber", "--password-file", pw}).out, "4111222233334444");
}

TEST_F(CliStrong, PasswdReWrapsTheKeyAndTheOldPasswordStopsWorking)
{
    const std::string pw = passwordFile("pw");
    const std::string next = passwordFile("next");
    ok({"create", wallet, "--strong", "--password-file", pw});
    ok({"add-category", wallet, "Home", "--password-file", pw});
    ok({"passwd", wallet, "--password-file", pw, "--new-password-file", next});
    const CliResult old = runCli({"tree", wallet, "--password-file", pw});
    EXPECT_EQ(old.status, 1);
    EXPECT_EQ(old.err, "Password is incorrect!\n");
    EXPECT_EQ(ok({"tree", wallet, "--password-file", next}).out, "[strong]\ntest/\n  Home/\n");
}

TEST_F(CliStrong, DamagedStrongWalletIsRefusedWithOneMessage)
{
    const std::string pw = passwordFile("pw");
    ok({"create", wallet, "--strong", "--password-file", pw});
    std::string bytes = readFile(wallet);
    bytes[bytes.size() - 5] ^= 0x20;
    writeFile(wallet, bytes);
    for (const char* command : {"tree", "check", "compact"}) {
        const CliResult damaged = runCli({command, wallet, "--password-file", pw});
        EXPECT_EQ(damaged.status, 1) << command;
        EXPECT_EQ(damaged.err, "The wallet file is damaged or was changed!\n") << command;
    }
    EXPECT_EQ(readFile(wallet), bytes);
}

} // namespace

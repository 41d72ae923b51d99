// The promises the wallet makes about secrets and files, checked on the
// built tool as a user would run it: a session with known secrets, then every
// stream and file it wrote is searched.
#include "cli/CliFixture.h"

#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class SecurityPromises : public CliTest {
protected:
    SecurityPromises() : previousUmask(umask(0)) {}
    ~SecurityPromises() override { umask(previousUmask); }

    // Installs the program's settings key with `options`.
    void install(CKeldraOptions& options)
    {
        CKeldraRegistry installed;
        ASSERT_TRUE(installed.Create());
        ASSERT_EQ(installed.saveOptions(&options), 0);
    }

    // Every regular file below the test's folders except the password files the test wrote.
    std::vector<fs::path> filesWritten() const
    {
        std::vector<fs::path> files;
        for (const fs::path& root : {dir.path(), registry.dir().path()})
            for (const auto& entry : fs::recursive_directory_iterator(root))
                if (entry.is_regular_file() && entry.path().filename().string().rfind("pw", 0) != 0)
                    files.push_back(entry.path());
        return files;
    }

    mode_t previousUmask;
    const std::string password = "Vault-Password-4471";
    const std::string newPassword = "Changed-Password-9902";
    const std::string wrongPassword = "Wrong-Password-0000";
    const std::string pin = "8642"; // a PIN keeps four characters
    const std::string note = "Note-Only-In-The-Vault";
};

TEST_F(SecurityPromises, SecretsAppearOnlyWhereTheyAreAskedFor)
{
    CKeldraOptions defaults;
    install(defaults);
    const std::string right = passwordFile(password), changed = passwordFile(newPassword), wrong = passwordFile(wrongPassword);

    // Commands that must never show a secret.
    std::string streams;
    const auto quiet = [&](const std::vector<std::string>& args, int status = 0) {
        const CliResult result = runCli(args);
        EXPECT_EQ(result.status, status) << args[0] << ": " << result.err;
        streams += result.out + result.err;
    };
    quiet({"create", wallet});
    quiet({"add-category", wallet, "Vault", "--encrypt", "on", "--new-password-file", right});
    quiet({"add-card", wallet, "Vault/Bank", "Bank Account", "--password-file", right, "pin=" + pin, "notes=" + note});
    quiet({"tree", wallet});
    quiet({"tree", wallet, "--decrypt", "--password-file", right});
    quiet({"tree", wallet, "--decrypt", "--password-file", wrong}, 1);
    // A PIN is a hidden field: found only with --hidden.
    quiet({"search", wallet, pin, "--decrypt", "--password-file", right}, 1);
    quiet({"check", wallet, "--password-file", right});
    quiet({"compact", wallet, "--password-file", right});
    quiet({"passwd", wallet, "--password-file", right, "--new-password-file", changed});
    EXPECT_THAT(streams, HasSubstr("Password is incorrect!"));

    // Asked for, they are shown.
    const CliResult shown = runCli({"show", wallet, "Vault/Bank", "--password-file", changed});
    EXPECT_THAT(shown.out, HasSubstr("Pin : " + pin));
    const std::string exported = file("export.txt");
    ok({"export", wallet, "-o", exported, "--decrypt", "--password-file", changed});
    EXPECT_THAT(readFile(exported), HasSubstr(pin));

    for (const std::string& secret : {password, newPassword, wrongPassword, pin, note})
        EXPECT_EQ(streams.find(secret), std::string::npos) << secret << " was shown unasked";
    for (const fs::path& written : filesWritten()) {
        if (written == fs::path(exported))
            continue;
        const std::string bytes = readFile(written.string());
        for (const std::string& secret : {password, newPassword, wrongPassword, pin, note})
            EXPECT_EQ(bytes.find(secret), std::string::npos) << secret << " is in " << written;
    }
}

TEST_F(SecurityPromises, EveryFileIsTheOwnersAlone)
{
    CKeldraOptions defaults;
    install(defaults);
    const std::string right = passwordFile(password);
    ok({"create", wallet});
    ok({"add-category", wallet, "Vault", "--encrypt", "on", "--new-password-file", right});
    // Opening rewrites the wallet into a temporary file that takes its place.
    ok({"compact", wallet, "--password-file", right});
    ok({"export", wallet, "-o", file("export.txt"), "--decrypt", "--password-file", right});

    const std::vector<fs::path> files = filesWritten();
    for (const std::string& expected : {wallet, file("export.txt"), registry.rootFile("HKEY_LOCAL_MACHINE")})
        EXPECT_NE(std::find(files.begin(), files.end(), fs::path(expected)), files.end()) << expected;
    for (const fs::path& written : files) {
        struct stat st {};
        ASSERT_EQ(stat(written.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0077, 0u) << written << " can be read by others";
    }
}

TEST_F(SecurityPromises, ALockOutIsRecordedAndOutlivesTheRun)
{
    CKeldraOptions options;
    options.setLockoutEnabled(true);
    options.setAttempts(1);
    options.setLockoutMinutes(5);
    install(options);
    const std::string right = passwordFile(password), wrong = passwordFile(wrongPassword);
    ok({"create", wallet});
    ok({"add-category", wallet, "Vault", "--encrypt", "on", "--new-password-file", right});

    const CliResult blocked = runCli({"tree", wallet, "--decrypt", "--password-file", wrong});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_THAT(blocked.err, HasSubstr("Password is incorrect!"));
    EXPECT_THAT(blocked.err, HasSubstr("Wallet is blocked!"));

    // A new run, even with the right password, is refused.
    const CliResult locked = runCli({"tree", wallet, "--decrypt", "--password-file", right});
    EXPECT_EQ(locked.status, 1);
    EXPECT_EQ(locked.err, "Wallet is locked!\n");

    CKeldraRegistry stored;
    ASSERT_TRUE(stored.init());
    CKeldraOptions read;
    ASSERT_EQ(stored.readOptions(&read), 0);
    EXPECT_EQ(read.lockoutStateAt(CKeldraOptions::currentTime()), LockoutState::Running);
}

} // namespace

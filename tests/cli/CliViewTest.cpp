// The commands that only look leave the wallet file exactly as it was, serve
// read-only files and folders, see older versions as the open upgrades them,
// and share the wallet's lock with each other but not with an editor.
#include "CliFixture.h"
#include "model/CryptUtil.h"
#include "support/OldWalletFile.h"

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

// What a viewer must not change: the file's bytes, inode, mode and times,
// and the folder's entries (no temporary file, no rename).
struct FileState {
    std::string bytes;
    struct stat file {};
    struct stat folder {};

    // Read without changing the access time it checks.
    static FileState of(const std::string& path)
    {
        FileState state;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOATIME | O_CLOEXEC);
        char buffer[65536];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            state.bytes.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
        stat(path.c_str(), &state.file);
        stat(fs::path(path).parent_path().c_str(), &state.folder);
        return state;
    }
};

bool sameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

void expectUnchanged(const FileState& before, const FileState& after)
{
    EXPECT_EQ(after.bytes, before.bytes);
    EXPECT_EQ(after.file.st_ino, before.file.st_ino);
    EXPECT_EQ(after.file.st_mode, before.file.st_mode);
    EXPECT_TRUE(sameTime(after.file.st_mtim, before.file.st_mtim)) << "modification time";
    EXPECT_TRUE(sameTime(after.file.st_ctim, before.file.st_ctim)) << "change time";
    EXPECT_TRUE(sameTime(after.file.st_atim, before.file.st_atim)) << "access time";
    EXPECT_TRUE(sameTime(after.folder.st_mtim, before.folder.st_mtim)) << "the folder's entries";
}

class CliViewTest : public CliTest {
protected:
    // Every viewing command, with the arguments after the wallet's path.
    std::vector<std::vector<std::string>> viewingCommands() const
    {
        return {
            {"tree"},
            {"tree", "--decrypt", "--password-file", first},
            {"show", "Plain/Bank"},
            {"show", "Vault/Mail", "--password-file", first},
            {"dump", "--decrypt", "--password-file", first},
            {"export", "--decrypt", "--password-file", first},
            {"export", "--no-decrypt"},
            {"search", "North"},
            {"search", "mail", "--decrypt", "--password-file", first},
            {"check", "--password-file", first},
            {"paths"},
        };
    }

    static std::vector<std::string> onWallet(const std::vector<std::string>& command, const std::string& path)
    {
        std::vector<std::string> args{command[0], path};
        args.insert(args.end(), command.begin() + 1, command.end());
        return args;
    }

    // A wallet with a plain and a sealed category (password "first"), left
    // with an edit's dead record so that an open would compact it.
    void makeWallet(const std::string& path)
    {
        ok({"create", path, "--name", "W"});
        ok({"add-category", path, "Plain"});
        ok({"add-card", path, "Plain/Bank", "Bank Account", "bankName=North", "pin=1234"});
        ok({"add-category", path, "Vault", "--encrypt", "on", "--new-password-file", first});
        ok({"add-card", path, "Vault/Mail", "Password", "system=mail", "password=hunter2", "--password-file", first});
        ok({"edit-card", path, "Plain/Bank", "notes=edited"});
    }

    const std::string first = passwordFile("first");
};

TEST_F(CliViewTest, ViewingCommandsLeaveTheFileAsItIsAlsoWhenItIsReadOnly)
{
    makeWallet(wallet);
    const fs::path lockedFolder = dir.path() / "locked";
    fs::create_directory(lockedFolder);
    const std::string inLockedFolder = (lockedFolder / "test.wal").string();
    fs::copy_file(wallet, inLockedFolder);
    const std::string readOnlyFile = file("readonly.wal");
    fs::copy_file(wallet, readOnlyFile);
    chmod(readOnlyFile.c_str(), 0400);
    chmod(lockedFolder.c_str(), 0555);

    for (const auto& command : viewingCommands()) {
        const CliResult expected = ok(onWallet(command, wallet));
        for (const std::string& path : {wallet, readOnlyFile, inLockedFolder}) {
            SCOPED_TRACE(command[0] + " " + path);
            const FileState before = FileState::of(path);
            const CliResult seen = runCli(onWallet(command, path));
            EXPECT_EQ(seen.status, 0) << seen.err;
            EXPECT_EQ(seen.out, expected.out);
            expectUnchanged(before, FileState::of(path));
        }
    }
    // The program's own open still refuses a read-only file.
    const CliResult compact = runCli({"compact", readOnlyFile});
    EXPECT_EQ(compact.status, 1);
    EXPECT_EQ(compact.err, "Can not open read-only files\n");
    chmod(lockedFolder.c_str(), 0755);
}

// Versions 1 and 2 are shown as the open that upgrades them shows them,
// and stay on disk as they were until an editing command opens them.
TEST_F(CliViewTest, AnOlderVersionIsShownUpgradedWithoutBeingRewritten)
{
    CCryptUtil key;
    ASSERT_TRUE(key.init("first"));
    const std::vector<std::vector<std::string>> commands = {
        {"tree"},
        {"dump", "--decrypt", "--password-file", first},
        {"export", "--decrypt", "--password-file", first},
        {"show", "Vault/Hidden", "--password-file", first},
        {"search", "info", "--decrypt", "--password-file", first},
    };
    // The tool's trace log goes to the test's folder, so the wallet lies in one of its own.
    fs::create_directory(dir.path() / "old");
    const std::string oldWallet = file("old/test.wal");
    for (const unsigned int version : {1u, 2u}) {
        SCOPED_TRACE("version " + std::to_string(version));
        const std::vector<unsigned char> old = buildOldWallet(version, &key);
        writeFile(oldWallet, std::string(old.begin(), old.end()));
        std::vector<std::string> viewed;
        for (const auto& command : commands) {
            SCOPED_TRACE(command[0]);
            const FileState before = FileState::of(oldWallet);
            viewed.push_back(ok(onWallet(command, oldWallet)).out);
            expectUnchanged(before, FileState::of(oldWallet));
        }
        EXPECT_EQ(FileState::of(oldWallet).bytes, std::string(old.begin(), old.end()));

        ok({"compact", oldWallet, "--password-file", first});
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const std::string upgraded = ok(onWallet(commands[i], oldWallet)).out;
            if (commands[i][0] == "dump") {
                // The file part tells the version and offsets on disk, which the upgrade changed.
                EXPECT_EQ(Json::parse(upgraded)["root"], Json::parse(viewed[i])["root"]);
                EXPECT_EQ(Json::parse(viewed[i])["file"]["version"], version);
            } else {
                EXPECT_EQ(upgraded, viewed[i]) << commands[i][0];
            }
        }
    }
}

// Whether another process holds the wallet's lock, shared or exclusive, on
// five probes in a row: an editor's open replaces the file and locks the new
// one, so a single probe may fall between the two.
bool heldByAnother(const std::string& path)
{
    for (int tries = 0, inRow = 0; tries < 1000; ++tries) {
        const int probe = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const bool free = flock(probe, LOCK_EX | LOCK_NB) == 0;
        ::close(probe);
        inRow = free ? 0 : inRow + 1;
        if (inRow == 5)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST_F(CliViewTest, ViewersShareTheLockAndKeepEditorsOut)
{
    makeWallet(wallet);
    const std::string tree = "W/\n  Plain/\n    Bank  (Bank Account)\n  Vault/  [locked: 1 sealed cards]\n";
    // A viewer holds the wallet while it waits for the password of a sealed card.
    CliProcess viewer({"show", wallet, "Vault/Mail", "--password-stdin"});
    ASSERT_TRUE(heldByAnother(wallet));
    const CliResult editor = runCli({"edit-card", wallet, "Plain/Bank", "pin=2"});
    EXPECT_EQ(editor.status, 1);
    EXPECT_EQ(editor.err, "Cannot open file!\n");
    EXPECT_EQ(ok({"tree", wallet}).out, tree);
    viewer.write("first\n");
    const CliResult viewed = viewer.finish();
    EXPECT_EQ(viewed.status, 0) << viewed.err;
    EXPECT_NE(viewed.out.find("Password : hunter2"), std::string::npos);

    // An editor holds the wallet while it waits for the password: viewers are kept out.
    CliProcess holder({"edit-card", wallet, "Vault/Mail", "password=hunter3", "--password-stdin"});
    ASSERT_TRUE(heldByAnother(wallet));
    const CliResult refused = runCli({"tree", wallet});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Cannot open file!\n");
    holder.write("first\n");
    const CliResult held = holder.finish();
    EXPECT_EQ(held.status, 0) << held.err;
    EXPECT_NE(ok({"show", wallet, "Vault/Mail", "--password-file", first}).out.find("Password : hunter3"), std::string::npos);
}

} // namespace

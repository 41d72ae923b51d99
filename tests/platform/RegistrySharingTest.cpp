#include "platform/Registry.h"
#include "support/FaultyFileApi.h"
#include "support/RegistryScope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kWritesPerWriter = 40;

LONG writeNumbered(const char* prefix, int count)
{
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, "Shared", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    for (int i = 0; i < count && result == ERROR_SUCCESS; ++i) {
        const std::string name = prefix + std::to_string(i);
        const DWORD value = static_cast<DWORD>(i);
        result = RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    }
    RegCloseKey(key);
    return result;
}

int missingValues(const std::vector<std::string>& prefixes)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Shared", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    int missing = 0;
    for (const std::string& prefix : prefixes) {
        for (int i = 0; i < kWritesPerWriter; ++i) {
            DWORD value = 0;
            DWORD size = sizeof value;
            const std::string name = prefix + std::to_string(i);
            if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
                    ERROR_SUCCESS ||
                value != static_cast<DWORD>(i))
                ++missing;
        }
    }
    RegCloseKey(key);
    return missing;
}

// Runs `body` in a child process and returns its exit status.
template <typename Body>
int inChild(Body body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST(RegistrySharing, TwoProcessesWritingAtOnceLoseNothing)
{
    RegistryScope scope;
    pid_t writers[2];
    const char* prefixes[2] = {"first", "second"};
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0)
            _exit(writeNumbered(prefixes[w], kWritesPerWriter) == ERROR_SUCCESS ? 0 : 1);
    }
    for (pid_t writer : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(missingValues({"first", "second"}), 0);
}

TEST(RegistrySharing, TwoThreadsWritingAtOnceLoseNothing)
{
    RegistryScope scope;
    LONG results[2] = {};
    std::thread a([&] { results[0] = writeNumbered("a", kWritesPerWriter); });
    std::thread b([&] { results[1] = writeNumbered("b", kWritesPerWriter); });
    a.join();
    b.join();
    EXPECT_EQ(results[0], ERROR_SUCCESS);
    EXPECT_EQ(results[1], ERROR_SUCCESS);
    EXPECT_EQ(missingValues({"a", "b"}), 0);
}

TEST(RegistrySharing, AFailedWriteKeepsTheOldFile)
{
    RegistryScope scope;
    ASSERT_EQ(writeNumbered("old", 1), ERROR_SUCCESS);
    const std::string before = scope.readRoot("HKEY_CURRENT_USER");
    // The child may write no file beyond the size of the current one, as on a full disk.
    const int status = inChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size(), before.size()};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string big(4096, 'x');
        const LONG result =
            RegSetValueExA(HKEY_CURRENT_USER, "big", 0, REG_SZ, reinterpret_cast<const BYTE*>(big.c_str()), 4097);
        DWORD size = 0;
        const bool stillAbsent =
            RegQueryValueExA(HKEY_CURRENT_USER, "big", nullptr, nullptr, nullptr, &size) == ERROR_FILE_NOT_FOUND;
        return result == ERROR_DISK_FULL && stillAbsent ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(scope.readRoot("HKEY_CURRENT_USER"), before);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(scope.dir().path()))
        files += entry.path().extension() == ".reg" || entry.path().filename().string().starts_with('.');
    EXPECT_EQ(files, 1);
}

// The registry files are replaced through the same file calls as the wallet,
// so a disk that stops at any write leaves the old file whole.
TEST(RegistrySharing, AStoppedDiskKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    RegistryScope scope;
    ASSERT_EQ(writeNumbered("old", 1), ERROR_SUCCESS);
    const std::string before = scope.readRoot("HKEY_CURRENT_USER");
    const std::string value = "new value";
    {
        FaultyFileApi disk;
        disk.failWritesAfter = 0;
        EXPECT_EQ(RegSetValueExA(HKEY_CURRENT_USER, "new", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), 10), ERROR_DISK_FULL);
        EXPECT_EQ(std::count(disk.calls.begin(), disk.calls.end(), "rename"), 0);
    }
    EXPECT_EQ(scope.readRoot("HKEY_CURRENT_USER"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scope.dir().path()), {}), 2) << "the file and its lock, no temporary file";
    FaultyFileApi disk;
    EXPECT_EQ(RegSetValueExA(HKEY_CURRENT_USER, "new", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), 10), ERROR_SUCCESS);
    EXPECT_EQ(disk.calls, (std::vector<std::string>{"write", "sync", "rename", "syncFolder"}));
}

} // namespace

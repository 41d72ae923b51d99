#include "platform/NativePath.h"
#include "support/EnvScope.h"

#include <gtest/gtest.h>

namespace {

TEST(NativePath, DrivesMapToTheirFolders)
{
    EnvScope drive("KELDRA_DRIVE_C", "/tmp/keldra-c/");
    EnvScope data("XDG_DATA_HOME", "/data");
    const struct {
        const char* windows;
        const char* native;
    } cases[] = {
        {"c:\\Keldra.log", "/tmp/keldra-c/Keldra.log"},
        {"C:\\a\\b\\doc.wal", "/tmp/keldra-c/a/b/doc.wal"},
        {"C:rel.txt", "/tmp/keldra-c/rel.txt"},
        {"D:\\pic.bmp", "/data/keldra/drive_d/pic.bmp"},
        {"\\home\\u\\w.wal", "/home/u/w.wal"},
        {"media\\icons\\Standart\\up.ico", "media/icons/Standart/up.ico"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toNativePath(c.windows), c.native) << c.windows;
}

TEST(NativePath, DefaultDriveFolderIsBelowTheHomeFolder)
{
    EnvScope home("HOME", "/home/person");
    unsetenv("XDG_DATA_HOME");
    unsetenv("KELDRA_DRIVE_E");
    EXPECT_EQ(driveRoot('e'), "/home/person/.local/share/keldra/drive_e");
}

TEST(NativePath, NativePathsComeBackInWindowsForm)
{
    EnvScope drive("KELDRA_DRIVE_C", "/tmp/keldra-c");
    EnvScope data("XDG_DATA_HOME", "/data");
    EXPECT_EQ(fromNativePath("/tmp/keldra-c/a/doc.wal"), "C:\\a\\doc.wal");
    EXPECT_EQ(fromNativePath("/tmp/keldra-c"), "C:\\");
    EXPECT_EQ(fromNativePath("/tmp/keldra-cx/doc.wal"), "\\tmp\\keldra-cx\\doc.wal");
    EXPECT_EQ(fromNativePath("/home/u/w.wal"), "\\home\\u\\w.wal");
    for (const char* native : {"/tmp/keldra-c/x/y.ico", "/home/u/w.wal", "/data/keldra/drive_q/z"})
        EXPECT_EQ(toNativePath(fromNativePath(native)), native);
}

} // namespace

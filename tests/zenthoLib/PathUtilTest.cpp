#include "zenthoLib/Base/PathUtil.h"

#include <gtest/gtest.h>

namespace {

TEST(PathUtil, AppendPathAddsOneSeparatorWhereNeeded)
{
    const struct {
        const char* path;
        const char* name;
        const char* joined;
    } cases[] = {
        {"C:\\dir", "file", "C:\\dir\\file"},
        {"C:\\dir\\", "file", "C:\\dir\\file"},
        {"C:\\dir\\", "\\file", "C:\\dir\\\\file"},
        {"C:\\dir", "\\file", "C:\\dir\\file"},
        {"", "file", "file"},
    };
    for (const auto& c : cases) {
        CString path(c.path);
        CUtil::AppendPath(path, c.name);
        EXPECT_EQ(path, c.joined) << c.path << " + " << c.name;
        CString viaString(c.path);
        CUtil::AppendPath(viaString, CString(c.name));
        EXPECT_EQ(viaString, c.joined);
    }
}

TEST(PathUtil, AppendPathAppendsTheWholeName)
{
    // A name is appended whole, even one that holds a zero byte.
    CString path("C:\\dir");
    CUtil::AppendPath(path, CString(std::string("a\0b", 3)));
    EXPECT_EQ(path.GetLength(), 10);
}

TEST(PathUtil, RelativePaths)
{
    const struct {
        const char* base;
        const char* target;
        int result;
        const char* rel;
    } cases[] = {
        {"C:\\a\\b\\doc.wal", "C:\\a\\c\\pic.bmp", 1, "..\\c\\pic.bmp"},
        {"C:\\a\\b\\doc.wal", "C:\\a\\b\\pic.bmp", 1, "pic.bmp"},
        {"C:\\a\\b\\doc.wal", "C:\\a\\b\\sub\\pic.bmp", 1, "sub\\pic.bmp"},
        {"C:\\a\\b\\doc.wal", "C:\\x\\pic", 1, "..\\..\\x\\pic"},
        {"\\a\\doc.wal", "\\b\\pic.bmp", 1, "..\\b\\pic.bmp"},
        {"C:\\a\\b\\doc.wal", "D:\\pic.bmp", 0, "unchanged"},
        {"c:\\a\\x.wal", "C:\\a\\y.bmp", 0, "unchanged"},
    };
    for (const auto& c : cases) {
        CString out("unchanged");
        EXPECT_EQ(getRelPath(c.base, c.target, out), c.result) << c.target;
        EXPECT_EQ(out, c.rel) << c.target;
    }
}

TEST(PathUtil, FullPaths)
{
    const struct {
        const char* base;
        const char* rel;
        const char* full;
    } cases[] = {
        {"C:\\a\\b\\doc.wal", "..\\c\\pic.bmp", "C:\\a\\c\\pic.bmp"},
        {"C:\\a\\b\\doc.wal", "pic.bmp", "C:\\a\\b\\pic.bmp"},
        {"C:\\a\\b\\doc.wal", "\\x\\pic.bmp", "\\x\\pic.bmp"},
        {"C:\\a\\b\\doc.wal", "D:\\pic.bmp", "D:\\pic.bmp"},
        // More ".." than the base has leaves nothing of its folder, not even the leading "\".
        {"C:\\a\\doc.wal", "..\\..\\..\\pic.bmp", "C:pic.bmp"},
    };
    for (const auto& c : cases) {
        CString out;
        EXPECT_EQ(buildFullPath(c.base, c.rel, out), 1);
        EXPECT_EQ(out, c.full) << c.rel;
    }
}

TEST(PathUtil, RelativeThenFullGivesTheTargetBack)
{
    const char* bases[] = {"C:\\a\\b\\doc.wal", "C:\\doc.wal", "C:\\a\\b\\c\\d\\doc.wal"};
    const char* targets[] = {"C:\\a\\b\\pic.bmp", "C:\\a\\c\\pic.bmp", "C:\\pic.bmp", "C:\\x\\y\\z\\snd.wav",
                             "C:\\a\\b\\c\\d\\e\\f.gif", "C:\\a\\noext"};
    for (const char* base : bases)
        for (const char* target : targets) {
            CString rel, full;
            ASSERT_EQ(getRelPath(base, target, rel), 1);
            buildFullPath(base, rel, full);
            EXPECT_EQ(full, target) << base << " -> " << rel;
        }
}

} // namespace

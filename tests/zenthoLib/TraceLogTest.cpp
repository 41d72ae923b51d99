#include "zenthoLib/Base/TraceLog.h"
#include "platform/DebugOutput.h"
#include "support/EnvScope.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(TraceLog, ErrorLinesGoToTheLogOnTheMappedDrive)
{
    TempDir dir;
    EnvScope drive("KELDRA_DRIVE_C", dir.path().string() + "/c");
    InitLib("  c:\\Keldra.log  ");
    TraceError("code %d", 5);
    DeInitLib();
    const std::string log = dir.file("c/Keldra.log");
    EXPECT_EQ(readFile(log), "Error: code 5\n");
    struct stat st {};
    ASSERT_EQ(stat(log.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(TraceLog, LongLinesAreCutAt2048Characters)
{
    TempDir dir;
    EnvScope drive("KELDRA_DRIVE_C", dir.path().string());
    InitLib("c:\\long.log");
    const std::string huge(5000, 'x');
    TraceError("%s", huge.c_str());
    DeInitLib();
    const std::string text = readFile(dir.file("long.log"));
    EXPECT_EQ(text.size(), 2048u);
    EXPECT_EQ(text.back(), '\n');
}

TEST(TraceLog, ScopeTracerNestsEnteringAndLeavingLines)
{
    TempDir dir;
    EnvScope drive("KELDRA_DRIVE_C", dir.path().string());
    InitLib("c:\\scope.log");
    {
        ___iCAutoWriter outer("Doc.cpp", "open", 10);
        ___iCAutoWriter inner("File.cpp", "read", 20);
    }
    DeInitLib();
    const std::string text = readFile(dir.file("scope.log"));
    EXPECT_THAT(text, StartsWith("\nDoc.cpp (10 )  : Entering open\n\n    File.cpp (20 )  : Entering read\n"));
    EXPECT_THAT(text, HasSubstr("\n    File.cpp( 20 )  : Leaving read, elapsed time "));
    EXPECT_THAT(text, HasSubstr("\nDoc.cpp( 10 )  : Leaving open, elapsed time "));
}

TEST(TraceLog, EmptyPathWritesToTheDebuggerOutput)
{
    std::string captured;
    auto previous = setDebugOutputListener([&](std::string_view text) { captured += text; });
    InitLib("");
    TraceError("tab\there");
    DeInitLib();
    setDebugOutputListener(previous);
    EXPECT_EQ(captured, "Error: tab\t    here\n");
}

TEST(TraceLog, UnopenableLogWritesNothingAndDoesNotFail)
{
    TempDir dir;
    EnvScope drive("KELDRA_DRIVE_Q", dir.file("missing-file-as-dir"));
    { std::ofstream blocker(dir.file("missing-file-as-dir")); }
    InitLib("q:\\sub\\x.log");
    ASSERT_NE(traceWriter(), nullptr);
    EXPECT_FALSE(traceWriter()->isOpen());
    TraceError("nothing");
    DeInitLib();
}

} // namespace

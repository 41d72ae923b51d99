#include "cards/CardMediaPath.h"
#include "platform/NativePath.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(CardMediaPathTest, FindsRelativeAndFullPathsOfFilesThatExist)
{
    TempDir program;
    std::filesystem::create_directories(program.path() / "media");
    const std::string picture = (program.path() / "media/card.bmp").string();
    std::ofstream(picture) << "x";
    const CString programDir = fromNativePath(program.path().string());

    struct Case {
        std::optional<CString> stored;
        CString programDir;
        std::optional<std::string> native;
    };
    const Case cases[] = {
        {CString("media\\card.bmp"), programDir, picture},
        {CString("media\\card.bmp"), programDir + "\\", picture},
        {fromNativePath(picture), CString("\\elsewhere\\"), picture},
        {CString("media\\gone.wav"), programDir, std::nullopt},
        {CString(""), programDir, std::nullopt},
        {std::nullopt, programDir, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cardMediaNativePath(c.stored, c.programDir), c.native) << (c.stored ? c.stored->GetString() : "(none)");
}

} // namespace

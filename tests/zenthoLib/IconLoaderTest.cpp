#include "zenthoLib/Base/IconLoader.h"
#include "zenthoLib/Base/LibMessage.h"
#include "platform/NativePath.h"
#include "support/IcoFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using ico::Bytes;

// Collects the library's message boxes while a test runs.
class MessageCatcher {
public:
    MessageCatcher()
    {
        setLibMessageHandler([this](const CString& text, const CString& caption) {
            messages.emplace_back(text.str(), caption.str());
        });
    }
    ~MessageCatcher() { setLibMessageHandler({}); }
    std::vector<std::pair<std::string, std::string>> messages;
};

class IconLoaderTest : public ::testing::Test {
protected:
    // Writes the bytes as a file and loads it through its Windows-form name.
    bool load(const Bytes& bytes)
    {
        ico::writeFile(dir.file("test.ico"), bytes);
        return loader.ReadIconFromICOFile(fromNativePath(dir.file("test.ico")));
    }
    void expectEmpty()
    {
        EXPECT_FALSE(loader.IsValid());
        EXPECT_EQ(loader.GetIconsCount(), 0u);
    }

    TempDir dir;
    CIconLoader loader;
};

Bytes headerOnly(unsigned reserved, unsigned type, unsigned count)
{
    Bytes out;
    ico::put16(out, reserved);
    ico::put16(out, type);
    ico::put16(out, count);
    return out;
}

TEST_F(IconLoaderTest, RefusesWrongHeadersAndShortDirectories)
{
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"empty file", {}},
        {"half a word", {0}},
        {"reserved word not 0", headerOnly(1, 1, 0)},
        {"cursor file", headerOnly(0, 2, 0)},
        {"no count", {0, 0, 1, 0}},
        {"count but no directory", headerOnly(0, 1, 1)},
        {"directory one byte short", [] {
             Bytes b = ico::standardIcon();
             b.resize(6 + 2 * 16 - 1);
             return b;
         }()},
    };
    for (const auto& [name, bytes] : cases) {
        ASSERT_TRUE(load(ico::standardIcon())) << name;
        EXPECT_FALSE(load(bytes)) << name;
        expectEmpty();
    }
    EXPECT_FALSE(loader.ReadIconFromICOFile(fromNativePath(dir.file("missing.ico"))));
    EXPECT_FALSE(loader.ReadIconFromICOFile(fromNativePath(dir.path().string())));
    expectEmpty();
}

TEST_F(IconLoaderTest, CountZeroIsAValidFileWithoutImages)
{
    ASSERT_TRUE(load(headerOnly(0, 1, 0)));
    EXPECT_TRUE(loader.IsValid());
    EXPECT_EQ(loader.GetIconsCount(), 0u);
    SIZE size{1, 1};
    EXPECT_FALSE(loader.GetSize(0, size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(loader.MakeIconFromResource(0), nullptr);
}

TEST_F(IconLoaderTest, RefusesImagesOutsideTheFile)
{
    const Bytes image = ico::bitmapImage({});
    const std::uint32_t end = static_cast<std::uint32_t>(6 + 16 + image.size());
    const std::vector<std::pair<const char*, ico::Entry>> cases = {
        {"offset past the end", {image, end + 10}},
        {"size reaching past the end", {image, std::nullopt, static_cast<std::uint32_t>(image.size() + 1)}},
        {"huge size", {image, std::nullopt, 0xFFFFFFF0u}},
        {"huge offset", {image, 0xFFFFFFF0u}},
    };
    for (const auto& [name, entry] : cases) {
        EXPECT_FALSE(load(ico::iconFile({{image}, entry}))) << name;
        expectEmpty();
    }
}

TEST_F(IconLoaderTest, SizesComeFromEachImagesOwnHeader)
{
    ASSERT_TRUE(load(ico::iconFile({{ico::bitmapImage({16, 16, 4})}, {ico::bitmapImage({32, 32, 4})}})));
    ASSERT_EQ(loader.GetIconsCount(), 2u);
    SIZE small{}, big{};
    ASSERT_TRUE(loader.GetSize(0, small));
    ASSERT_TRUE(loader.GetSize(1, big));
    EXPECT_EQ(std::make_pair(small.cx, small.cy), std::make_pair(16, 16));
    EXPECT_EQ(std::make_pair(big.cx, big.cy), std::make_pair(32, 32));
}

// Every depth and odd widths whose rows are padded: the icon shows the
// picture the right way up, with the transparent half where the mask says.
TEST_F(IconLoaderTest, IconsKeepPictureAndTransparencyAtEveryDepth)
{
    const std::vector<ico::ImageOptions> images = {
        {16, 16, 1}, {16, 16, 4}, {32, 32, 4}, {32, 32, 8}, {16, 16, 16}, {16, 16, 24},
        {32, 32, 32}, {7, 9, 4}, {11, 11, 4}, {7, 9, 24},
    };
    std::vector<ico::Entry> entries;
    for (const auto& options : images)
        entries.emplace_back(ico::bitmapImage(options));
    ASSERT_TRUE(load(ico::iconFile(entries)));
    for (unsigned i = 0; i < images.size(); ++i) {
        const int w = images[i].width, h = images[i].height;
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " at " + std::to_string(images[i].bitCount));
        UniqueIcon icon(loader.MakeIconFromResource(i));
        ASSERT_TRUE(icon);
        const SIZE size = GetIconSize(icon.get());
        ASSERT_EQ(std::make_pair(size.cx, size.cy), std::make_pair(w, h));
        const std::vector<DWORD>& pixels = GetIconPixels(icon.get());
        EXPECT_EQ(pixels[0], ico::green);
        EXPECT_EQ(pixels[static_cast<std::size_t>(h - 1) * w], ico::red);
        EXPECT_EQ(pixels[static_cast<std::size_t>(w - 1)], 0u);
        EXPECT_EQ(pixels[static_cast<std::size_t>(h) * w - 1], 0u);

        UniqueBitmap color(loader.MakeBitmapFromResource(i));
        BITMAP info{};
        ASSERT_TRUE(GetBitmapInfo(color.get(), info));
        EXPECT_EQ(info.bmBitsPixel, images[i].bitCount);
        EXPECT_EQ(GetBitmapPixel(color.get(), w - 1, h - 1) & 0xFFFFFF, ico::red & 0xFFFFFF);
    }
}

TEST_F(IconLoaderTest, ShortMaskIsUsedDownToHalfItsSize)
{
    const std::size_t full = 16 * 4;
    // Without its last byte (row padding) the top row is still there; with half, only the bottom rows are.
    for (const auto& [stored, topRowStored] : {std::pair{full - 1, true}, std::pair{full / 2, false}}) {
        ASSERT_TRUE(load(ico::iconFile({{ico::bitmapImage({16, 16, 4, 40, 0, stored})}})));
        UniqueBitmap mask(loader.MakeMaskBitmapFromResource(0));
        ASSERT_TRUE(mask) << stored;
        BITMAP info{};
        ASSERT_TRUE(GetBitmapInfo(mask.get(), info));
        EXPECT_EQ(std::make_pair(info.bmWidth, info.bmHeight), std::make_pair(16, 16));
        EXPECT_EQ(GetBitmapPixel(mask.get(), 15, 15) & 0xFFFFFF, 0xFFFFFFu);
        // Rows the file lacks stay opaque.
        EXPECT_EQ(GetBitmapPixel(mask.get(), 15, 0) & 0xFFFFFF, topRowStored ? 0xFFFFFFu : 0u) << stored;
    }
    ASSERT_TRUE(load(ico::iconFile({{ico::bitmapImage({16, 16, 4, 40, 0, full / 2 - 1})}})));
    EXPECT_EQ(loader.MakeMaskBitmapFromResource(0), nullptr);
    EXPECT_EQ(loader.MakeIconFromResource(0), nullptr);
}

TEST_F(IconLoaderTest, RefusesImagesThatAreNotPlainBitmaps)
{
    Bytes shortColorRows = ico::bitmapImage({16, 16, 4, 40, 0, 0});
    shortColorRows.resize(shortColorRows.size() - 1);
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.resize(200, 0);
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"colour rows one byte short", shortColorRows},
        {"shorter than a header", Bytes(39, 0)},
        {"header size 12", ico::bitmapImage({16, 16, 4, 12})},
        {"header size 4000", ico::bitmapImage({16, 16, 4, 4000})},
        {"run-length compressed", ico::bitmapImage({16, 16, 8, 40, 1})},
        {"bit fields", ico::bitmapImage({16, 16, 32, 40, 3})},
        {"png image", png},
        {"width 0", ico::bitmapImage({0, 16, 4})},
        {"height 0", ico::bitmapImage({16, 0, 4})},
        {"width 100000", ico::bitmapImage({100000, 1, 1})},
    };
    for (const auto& [name, image] : cases) {
        EXPECT_FALSE(load(ico::iconFile({{ico::bitmapImage({})}, {image}}))) << name;
        expectEmpty();
    }
}

TEST_F(IconLoaderTest, FailedColourBitmapShowsTheSystemErrorAndLeavesTheImageIntact)
{
    MessageCatcher catcher;
    // Two bits per pixel loads, but no display can make a bitmap of it.
    ASSERT_TRUE(load(ico::iconFile({{ico::bitmapImage({16, 16, 2})}})));
    EXPECT_EQ(loader.MakeBitmapFromResource(0), nullptr);
    EXPECT_EQ(loader.MakeBitmapFromResource(0), nullptr);
    EXPECT_EQ(loader.MakeIconFromResource(0), nullptr);
    ASSERT_EQ(catcher.messages.size(), 3u);
    EXPECT_EQ(catcher.messages[0], std::make_pair(std::string("The parameter is incorrect."), std::string("Error")));

    // The header still counts colour and mask rows: the mask is the full image height.
    UniqueBitmap mask(loader.MakeMaskBitmapFromResource(0));
    BITMAP info{};
    ASSERT_TRUE(GetBitmapInfo(mask.get(), info));
    EXPECT_EQ(info.bmHeight, 16);
    SIZE size{};
    ASSERT_TRUE(loader.GetSize(0, size));
    EXPECT_EQ(size.cy, 16);
}

// Every truncation of a small file fails cleanly; every single-byte change
// loads or fails without touching memory it does not own (run under the sanitizers).
TEST_F(IconLoaderTest, SurvivesEveryTruncationAndByteChange)
{
    const Bytes good = ico::iconFile({{ico::bitmapImage({16, 16, 1})}, {ico::bitmapImage({7, 9, 4})}});
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(load(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)))) << length;
        expectEmpty();
    }
    MessageCatcher quiet;
    for (std::size_t at = 0; at < good.size(); ++at)
        for (const std::uint8_t value : {0x00, 0xFF}) {
            Bytes changed = good;
            changed[at] = value;
            if (!load(changed))
                continue;
            for (unsigned i = 0; i < loader.GetIconsCount(); ++i) {
                UniqueIcon icon(loader.MakeIconFromResource(i));
                UniqueBitmap mask(loader.MakeMaskBitmapFromResource(i));
            }
        }
}

} // namespace

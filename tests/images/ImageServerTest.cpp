#include "CatalogueFixture.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

using IconNames::standardName;
using IconNames::customName;

TEST_F(CatalogueTest, WithoutCustomIconsHolds32PlainIconsAnd27Variants)
{
    for (const bool customFolderExists : {true, false}) {
        if (!customFolderExists)
            std::filesystem::remove(customDir());
        ASSERT_TRUE(server.init(baseDir()));
        EXPECT_EQ(server.counts().standard, 5u);
        EXPECT_EQ(server.counts().types, 27u);
        EXPECT_EQ(server.counts().custom, 0u);
        EXPECT_EQ(server.plainCount(), 32);
        for (CExtimageList* list : {&server.bigImages(), &server.smallImages()})
            EXPECT_EQ(list->GetImageCount(), 59);
        for (CExtimageList* list : {&server.bigTypeImages(), &server.smallTypeImages()})
            EXPECT_EQ(list->GetImageCount(), 27);
        EXPECT_EQ(server.smallImages().names().size(), 32u);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(CatalogueTest, SpecialIconsAreLoadedAndTheRestShowTheMissingIcon)
{
    ASSERT_TRUE(server.init(baseDir()));
    CAllImageList& small = server.smallImages();
    const std::vector<DWORD> missing = shippedPixels("MissingIcon.ico", 16, 16);
    EXPECT_EQ(small.GetImagePixels(IconNames::kMissingIconIndex), missing);
    EXPECT_EQ(small.GetImagePixels(0), shippedPixels("up.ico", 16, 16));
    EXPECT_EQ(server.bigImages().GetImagePixels(4), shippedPixels("Wallet.ico", 32, 32));
    for (int i = 0; i < small.GetImageCount(); ++i) {
        EXPECT_EQ(small.isLoaded(i), i < 5) << i;
        if (i >= 5) {
            EXPECT_EQ(small.GetImagePixels(i), missing) << i;
        }
    }
    // Card type t sits at position t of the card-type lists, under its own name.
    CNodeImageList& types = server.smallTypeImages();
    for (int t = 0; t < 27; ++t) {
        EXPECT_EQ(types.imageIndexAt(t), t);
        EXPECT_EQ(types.positionOf(t), t);
        EXPECT_EQ(types.nameOf(t), standardName(IconNames::kCardTypeFiles[t]));
    }
    // A lookup that may not load leaves the icon as it is.
    EXPECT_EQ(small.indexOfName(standardName("CreditCard.ico"), false), 12u);
    EXPECT_FALSE(small.isLoaded(12));
    EXPECT_EQ(small.indexOfName("media\\icons\\standart\\CreditCard.ico", true), CExtimageList::kNoImage);
}

TEST_F(CatalogueTest, LookingUpAnIconLoadsItWithItsCategoryVariant)
{
    ASSERT_TRUE(server.init(baseDir()));
    const CString creditCard = standardName("CreditCard.ico");
    EXPECT_EQ(server.imageIndex(creditCard, false), 39);
    for (CExtimageList* list : {&server.bigImages(), &server.smallImages()}) {
        EXPECT_TRUE(list->isLoaded(12));
        EXPECT_TRUE(list->isLoaded(39));
        EXPECT_FALSE(list->isLoaded(13));
    }
    EXPECT_TRUE(server.smallTypeImages().isLoaded(7));
    EXPECT_TRUE(server.bigTypeImages().isLoaded(7));
    EXPECT_EQ(server.iconName(39), creditCard);
    EXPECT_EQ(server.imageIndex("unknown.ico", false), IconNames::kMissingIconIndex);

    // The variant is the icon with the category sign copied into its lower-left corner.
    const struct {
        CExtimageList& list;
        LONG size;
        SIZE sign;
    } sizes[] = {{server.smallImages(), 16, {7, 9}}, {server.bigImages(), 32, {11, 11}}};
    for (const auto& s : sizes) {
        const std::vector<DWORD> plain = shippedPixels("CreditCard.ico", s.size, s.size);
        const std::vector<DWORD> sign = shippedPixels("CategorySign.ico", s.sign.cx, s.sign.cy);
        EXPECT_EQ(s.list.GetImagePixels(12), plain);
        EXPECT_EQ(server.smallTypeImages().GetImagePixels(7), shippedPixels("CreditCard.ico", 16, 16));
        const std::vector<DWORD> variant = s.list.GetImagePixels(39);
        ASSERT_EQ(variant.size(), plain.size());
        for (LONG y = 0; y < s.size; ++y)
            for (LONG x = 0; x < s.size; ++x) {
                const LONG signY = y - (s.size - s.sign.cy);
                const bool inSign = x < s.sign.cx && signY >= 0;
                const DWORD expected = inSign ? sign[static_cast<std::size_t>(signY * s.sign.cx + x)]
                                              : plain[static_cast<std::size_t>(y * s.size + x)];
                ASSERT_EQ(variant[static_cast<std::size_t>(y * s.size + x)], expected) << s.size << ": " << x << "," << y;
            }
    }
}

TEST_F(CatalogueTest, CustomFolderListsVisibleIconFilesOnly)
{
    addCustom("b.ICO");
    addCustom("a.ico");
    addCustom(".hidden.ico");
    addCustom("notes.txt");
    std::filesystem::create_directory(customDir() / "folder.ico");
    ASSERT_EQ(mkfifo((customDir() / "pipe.ico").c_str(), 0600), 0);
    ASSERT_TRUE(server.init(baseDir()));
    EXPECT_EQ(server.counts().custom, 2u);
    EXPECT_EQ(server.smallImages().GetImageCount(), 2 * 34 - 5);
    EXPECT_EQ(server.iconName(32), customName("a.ico"));
    EXPECT_EQ(server.iconName(33), customName("b.ICO"));
    EXPECT_EQ(server.variantIndex(33), 62);
    EXPECT_EQ(server.iconName(62), customName("b.ICO"));
}

TEST_F(CatalogueTest, CustomIconNamedLikeAStandardOneIsItsOwnIcon)
{
    addCustom("CreditCard.ico");
    ASSERT_TRUE(server.init(baseDir()));
    EXPECT_EQ(server.imageIndex(customName("CreditCard.ico"), true), 32);
    EXPECT_EQ(server.imageIndex(standardName("CreditCard.ico"), true), 12);
    const std::vector<DWORD> custom = server.smallImages().GetImagePixels(32);
    EXPECT_EQ(custom[0], ico::green);
    EXPECT_EQ(server.smallImages().GetImagePixels(12), shippedPixels("CreditCard.ico", 16, 16));
    EXPECT_EQ(server.smallTypeImages().GetImagePixels(7), shippedPixels("CreditCard.ico", 16, 16));
}

TEST_F(CatalogueTest, BadSpecialIconStopsTheCatalogue)
{
    const struct {
        const char* file;
        ico::Bytes bytes; // empty: the file is removed
        const char* message;
    } cases[] = {
        {"Wallet.ico", {}, "Missing standart icon file - '%s'"},
        {"up.ico", {0, 0, 2, 0, 0, 0}, "Missing standart icon file - '%s'"},
        {"MissingIcon.ico", ico::iconFile({{ico::bitmapImage({32, 32, 4})}}),
         "Icon file '%s' must contains 2 icons\n(16x16 and 32x32)"},
        {"DefaultCategory.ico", ico::iconFile({{ico::bitmapImage({16, 16, 4})}, {ico::bitmapImage({48, 48, 4})}}),
         "Icon file '%s' must contains 2 icons\n(16x16 and 32x32)"},
        {"CategorySign.ico", ico::standardIcon(), "Icon file '%s' must contains 2 icons\n(16x16 and 32x32)"},
        {"DefaultCategory.ico", ico::iconFile({{ico::bitmapImage({16, 16, 2})}, {ico::bitmapImage({32, 32, 4})}}),
         "Cannot create icon 16x16 from '%s' file!"},
        {"CategorySign.ico", ico::iconFile({{ico::bitmapImage({7, 9, 4})}, {ico::bitmapImage({11, 11, 2})}}),
         "Cannot create icon 2x2 from '%s' file!"},
    };
    TempDir saved;
    for (const auto& c : cases) {
        const auto path = standardDir() / c.file;
        const auto copy = saved.path() / c.file;
        std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
        if (c.bytes.empty())
            std::filesystem::remove(path);
        else
            ico::writeFile(path.string(), c.bytes);
        ui.messages.clear();
        EXPECT_FALSE(server.init(baseDir())) << c.file;
        const CString name = standardName(c.file);
        EXPECT_EQ(ui.messages, std::vector<std::string>{FormatString(c.message, fullPath(name).GetString()).str()})
            << c.file;
        std::filesystem::copy_file(copy, path, std::filesystem::copy_options::overwrite_existing);
    }
    EXPECT_TRUE(server.init(baseDir()));
}

TEST_F(CatalogueTest, BackgroundLoadingLoadsEveryIconAndMovesOnAfterAFailure)
{
    std::filesystem::remove(standardDir() / "Password.ico");
    addCustom("OnlyOne.ico", ico::iconFile({{ico::bitmapImage({16, 16, 4})}}));
    addCustom("Good.ico");
    ASSERT_TRUE(server.init(baseDir()));
    server.startBackgroundLoading();
    server.waitUntilAllLoaded();
    server.waitUntilAllLoaded(); // the event lets later waiters through too
    EXPECT_TRUE(server.allLoaded());
    const std::vector<std::string> expected = {
        FormatString("Missing standart icon file - '%s'", fullPath("media\\icons\\Standart\\Password.ico").GetString()).str(),
        FormatString("Icon file '%s' must contains 2 icons\n(16x16 and 32x32)",
                     fullPath("media\\icons\\Custom\\OnlyOne.ico").GetString()).str(),
    };
    EXPECT_EQ(ui.messages, expected);

    const int password = IconNames::cardTypeIconIndex(19);
    const int onlyOne = static_cast<int>(server.smallImages().indexOfName(customName("OnlyOne.ico"), false));
    const std::vector<int> broken = {password, server.variantIndex(password), onlyOne, server.variantIndex(onlyOne)};
    const std::vector<DWORD> missing = server.smallImages().GetImagePixels(IconNames::kMissingIconIndex);
    for (int i = 0; i < server.bigImages().GetImageCount(); ++i) {
        const bool isBroken = std::find(broken.begin(), broken.end(), i) != broken.end();
        EXPECT_EQ(server.bigImages().isLoaded(i), !isBroken) << i;
        if (isBroken) {
            EXPECT_EQ(server.smallImages().GetImagePixels(i), missing) << i;
        }
    }
    EXPECT_FALSE(server.smallTypeImages().isLoaded(19));

    // Asking again for a broken icon tries again, with its message.
    server.imageIndex(standardName("Password.ico"), true);
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST_F(CatalogueTest, At121CustomIconsTheListsAreFullAndTheApplicationQuits)
{
    for (int i = 0; i < 120; ++i)
        addCustom("icon" + std::to_string(i) + ".ico", {});
    ASSERT_TRUE(server.init(baseDir()));
    EXPECT_EQ(server.smallImages().GetImageCount(), 299);
    EXPECT_TRUE(ui.messages.empty());

    addCustom("icon120.ico", {});
    EXPECT_FALSE(server.init(baseDir()));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Maximum number 300 icons is reached. Remove some and try again!"});
    EXPECT_EQ(ui.quitRequests, std::vector<int>{-1});
    EXPECT_EQ(server.smallImages().GetImageCount(), 300);
}

} // namespace

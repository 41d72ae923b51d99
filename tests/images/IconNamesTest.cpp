#include "images/IconNames.h"

#include <gtest/gtest.h>

namespace {

const CString kCreditCard = IconNames::standardName("CreditCard.ico");

TEST(IconNames, CatalogueOrderWithoutCustomIcons)
{
    const CIconNames icons;
    ASSERT_EQ(icons.plainCount(), 32);
    EXPECT_EQ(icons.imageCount(), 59);
    const struct {
        int index;
        const char* name;
    } cases[] = {
        {0, "media\\icons\\Standart\\up.ico"},
        {1, "media\\icons\\Standart\\DefaultCategory.ico"},
        {2, "media\\icons\\Standart\\MissingIcon.ico"},
        {3, "media\\icons\\Standart\\CategorySign.ico"},
        {4, "media\\icons\\Standart\\Wallet.ico"},
        {5, "media\\icons\\Standart\\BankAccount.ico"},
        {12, "media\\icons\\Standart\\CreditCard.ico"},
        {19, "media\\icons\\Standart\\InsurancyPolicy.ico"},
        {31, "media\\icons\\Standart\\WebSite.ico"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(icons.iconName(c.index), c.name) << c.index;
        EXPECT_EQ(icons.imageIndex(c.name, true), c.index) << c.name;
    }
    EXPECT_EQ(IconNames::cardTypeIconIndex(7), 12);
}

TEST(IconNames, CategoryVariantsFollowThePlainIcons)
{
    const CIconNames icons;
    EXPECT_EQ(icons.imageIndex(kCreditCard, false), 39);
    EXPECT_EQ(icons.variantIndex(12), 39);
    EXPECT_EQ(icons.iconName(39), kCreditCard);
    EXPECT_EQ(icons.iconName(58), icons.iconName(31));
    // Special icons and the no-image value have no variant.
    for (int index : {0, 1, 2, 3, 4, IconNames::kNoImage})
        EXPECT_EQ(icons.variantIndex(index), index) << index;
    EXPECT_EQ(icons.imageIndex(IconNames::standardName("Wallet.ico"), false), 4);
}

TEST(IconNames, UnknownNamesGiveTheMissingIconForCardsAndCategories)
{
    const CIconNames icons;
    const CString unknown[] = {
        "media\\icons\\standart\\CreditCard.ico", // the folder's case differs
        "media\\icons\\Standart\\creditcard.ico",
        "CreditCard.ico",
        "",
    };
    for (const CString& name : unknown) {
        EXPECT_EQ(icons.imageIndex(name, true), 2) << name.str();
        EXPECT_EQ(icons.imageIndex(name, false), 2) << name.str();
    }
}

TEST(IconNames, CustomIconsCountIntoTheNumbering)
{
    const CIconNames icons({"Boat.ico", "CreditCard.ico"});
    ASSERT_EQ(icons.plainCount(), 34);
    EXPECT_EQ(icons.imageIndex(IconNames::customName("Boat.ico"), true), 32);
    // A custom file named like a standard one is an icon of its own.
    EXPECT_EQ(icons.imageIndex(IconNames::customName("CreditCard.ico"), true), 33);
    EXPECT_EQ(icons.imageIndex(kCreditCard, true), 12);
    // Variants move with N.
    EXPECT_EQ(icons.imageIndex(kCreditCard, false), 41);
    EXPECT_EQ(icons.imageIndex(IconNames::customName("Boat.ico"), false), 61);
    EXPECT_EQ(icons.iconName(61), "media\\icons\\Custom\\Boat.ico");
    EXPECT_EQ(icons.imageCount(), 63);
}

TEST(IconNames, IndexesOutsideTheNumberingNameNothing)
{
    const CIconNames icons;
    for (int index : {-1, 59, IconNames::kNoImage})
        EXPECT_EQ(icons.iconName(index), "") << index;
}

} // namespace

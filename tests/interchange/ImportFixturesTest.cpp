// The files other managers wrote (tests/testdata/interchange/README.md says
// how each was made) imported: the tree, every value of every card and the
// summary's counts.
#include "InterchangeSupport.h"

using namespace Interchange;

namespace {

struct ExpectedCard {
    std::string path;
    CardValues values;
    std::int64_t modified = -1;
};

struct FixtureCase {
    const char* file;
    Format format;
    std::vector<std::string> tree;
    std::vector<ExpectedCard> cards;
    std::size_t categories;
    std::map<int, std::size_t> cardsPerKind;
    std::size_t valuesInNotes;
    std::vector<std::string> skipped;
};

const std::string kCreated = "Created: 2024-03-01T10:00:00Z";

const FixtureCase kCases[] = {
    {"keepassxc.xml",
     Format::KeePassXml,
     {"Household/", "Household/Bank/", "Household/Bank/Old/", "Household/Bank/Old/Safe code", "Household/Bank/Sparkasse Köln",
      "Household/Bank/", "Household/Bank/Mail", "Household/Mail", "Household/Router"},
     {{"Household/Mail",
       {{"kind", "Web Site"},
        {"name", "Mail"},
        {"siteName", "Mail"},
        {"username", "anna@example.org"},
        {"password", "m41l-S3cret"},
        {"url", "https://mail.example.org"},
        {"notes", "Recovery codes are in the drawer.\nSecond line.\nSecurity question: First pet: Bello\n"
                  "otp: otpauth://totp/Mail:anna?secret=JBSWY3DPEHPK3PXP&issuer=Mail\nTags: daily,mail\n" + kCreated}},
       1709379000},
      {"Household/Router",
       {{"kind", "Password"}, {"name", "Router"}, {"system", "Router"}, {"username", "admin"}, {"password", "r0uter\"pass,word"},
        {"notes", kCreated}},
       1709287200},
      {"Household/Bank/Sparkasse Köln",
       {{"kind", "Web Site"}, {"name", "Sparkasse Köln"}, {"siteName", "Sparkasse Köln"}, {"username", "jürgen.groß"},
        {"password", "Ünïcødé-пароль"}, {"url", "https://bank.example.de/login"}, {"notes", "Filiale Äußere Straße\n" + kCreated}}},
      {"Household/Bank/Old/Safe code", {{"kind", "Free Form"}, {"name", "Safe code"}, {"notes", "Left, 12 - right, 7\n" + kCreated}}}},
     4,
     {{26, 3}, {19, 1}, {10, 1}},
     8,
     {"entry 4 (\"Safe code\" in \"Old\"): attachment \"plan.txt\", which a card cannot hold",
      "entry 4 (\"Safe code\" in \"Old\"): 1 earlier version(s) kept in its history"}},
    {"keepassxc.csv",
     Format::KeePassXcCsv,
     {"Household/", "Household/Bank/", "Household/Bank/Old/", "Household/Bank/Old/Safe code", "Household/Bank/Mail",
      "Household/Bank/Sparkasse Köln", "Household/Mail", "Household/Router"},
     {{"Household/Mail",
       {{"kind", "Web Site"},
        {"name", "Mail"},
        {"siteName", "Mail"},
        {"username", "anna@example.org"},
        {"password", "m41l-S3cret"},
        {"url", "https://mail.example.org"},
        {"notes", "Recovery codes are in the drawer.\nSecond line.\n"
                  "TOTP: otpauth://totp/Mail:anna%40example.org?secret=JBSWY3DPEHPK3PXP&period=30&digits=6&issuer=Mail\n" + kCreated}},
       1709379000},
      {"Household/Bank/Mail",
       {{"kind", "Web Site"}, {"name", "Mail"}, {"siteName", "Mail"}, {"username", "second"}, {"password", "two"},
        {"url", "https://mail2.example.org"}, {"notes", kCreated}}},
      {"Household/Bank/Old/Safe code", {{"kind", "Free Form"}, {"name", "Safe code"}, {"notes", "Left, 12 - right, 7\n" + kCreated}}}},
     3,
     {{26, 3}, {19, 1}, {10, 1}},
     6,
     {}},
    {"bitwarden.json",
     Format::BitwardenJson,
     {"Finance/", "Finance/Cards/", "Finance/Cards/Visa", "Finance/Online banking", "Personal/", "Personal/Dora", "Personal/Passport",
      "Locker", "Wi-Fi"},
     {{"Finance/Online banking",
       {{"kind", "Web Site"},
        {"name", "Online banking"},
        {"siteName", "Online banking"},
        {"username", "dora"},
        {"password", "B4nk!ng"},
        {"url", "https://bank.example.com"},
        {"notes", "Call the branch first.\nTOTP: JBSWY3DPEHPK3PXP\nURL 2: https://m.bank.example.com\nCustomer number: 998877\n"
                  "Memorable word: zebra\nFavorite: yes\nCreated: 2024-04-01T09:00:00.000Z"}},
       1714554000},
      {"Wi-Fi", {{"kind", "Password"}, {"name", "Wi-Fi"}, {"system", "Wi-Fi"}, {"username", "home"}, {"password", "w1f1-Κωδικός"}}},
      {"Finance/Cards/Visa",
       {{"kind", "Credit Card"}, {"name", "Visa"}, {"nameOnCard", "Dora Example"}, {"cardType", "Visa"}, {"cardTypeIndex", "6"},
        {"cardNumber", "4111111111111111"}, {"expires", "07/2027"}, {"notes", "Limit 2000\nSecurity Code: 123"}}},
      {"Personal/Dora",
       {{"kind", "Contact"}, {"name", "Dora"}, {"title", "Ms"}, {"firstName", "Dora"}, {"lastName", "Example"},
        {"company", "Example Inc"}, {"email", "dora@example.com"}, {"homePhone", "555-0100"}, {"address", "1 Main Street\nFlat 2"},
        {"city", "Springfield"}, {"state", "IL"}, {"zip", "62701"}, {"country", "US"}, {"notes", "Middle Name: Q\nUsername: dora"}}},
      {"Personal/Passport",
       {{"kind", "ID Card"}, {"name", "Passport"}, {"cardTitle", "Passport"}, {"countryOrOrganization", "Utopia"},
        {"idNumber", "X1234567"}, {"holderName", "Dora Example"}, {"notes", "First Name: Dora\nLast Name: Example"}}},
      {"Locker", {{"kind", "Free Form"}, {"name", "Locker"}, {"notes", "Locker 14, code 2468"}}}},
     3,
     {{26, 1}, {19, 1}, {7, 1}, {6, 1}, {13, 1}, {10, 1}},
     11,
     {}},
    {"chromium.csv",
     Format::ChromiumCsv,
     {"example.com", "example.com", "shop.example.net"},
     {{"shop.example.net",
       {{"kind", "Web Site"}, {"name", "shop.example.net"}, {"siteName", "shop.example.net"}, {"username", "anna.k@example.org"},
        {"password", "Sh0p!"}, {"url", "https://shop.example.net/"}, {"notes", "Two lines\nof note"}}},
      {"example.com",
       {{"kind", "Web Site"}, {"name", "example.com"}, {"siteName", "example.com"}, {"username", "anna"}, {"password", "pa,ss\"word"},
        {"url", "https://example.com/login"}}}},
     0,
     {{26, 3}},
     0,
     {}},
    {"firefox.csv",
     Format::FirefoxCsv,
     {"forum.example.org", "intranet.example.com"},
     {{"forum.example.org",
       {{"kind", "Web Site"}, {"name", "forum.example.org"}, {"siteName", "forum.example.org"}, {"username", "bob"},
        {"password", "f0rum"}, {"url", "https://forum.example.org"},
        {"notes", "Form Action Origin: https://forum.example.org\nCreated: 2023-11-14T22:13:20Z\nLast Used: 2023-11-14T22:21:40Z"}},
       1700000000},
      {"intranet.example.com",
       {{"kind", "Web Site"}, {"name", "intranet.example.com"}, {"siteName", "intranet.example.com"}, {"username", "carl"},
        {"password", "Grüße"}, {"url", "https://intranet.example.com"},
        {"notes", "HTTP Realm: Intranet Realm\nCreated: 2023-11-14T22:13:20Z\nLast Used: 2023-11-14T22:13:20Z"}}}},
     0,
     {{26, 2}},
     6,
     {}},
};

} // namespace

TEST(ImportFixtures, TreeEveryFieldAndSummary)
{
    for (const FixtureCase& c : kCases) {
        SCOPED_TRACE(c.file);
        const std::string text = fixture(c.file);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(detectFormats(text), std::vector<Format>{c.format});
        const MappedImport mapped = imported(c.format, text);
        std::vector<std::string> tree;
        treeLines(*mapped.holder, "", tree);
        EXPECT_EQ(tree, c.tree);
        for (const ExpectedCard& expected : c.cards) {
            SCOPED_TRACE(expected.path);
            const CCard* card = cardAt(*mapped.holder, expected.path);
            ASSERT_NE(card, nullptr);
            EXPECT_EQ(valuesOf(*card), expected.values);
            if (expected.modified >= 0) {
                EXPECT_EQ(card->getModifiedTime(), expected.modified);
            }
        }
        EXPECT_EQ(mapped.summary.categories, c.categories);
        EXPECT_EQ(mapped.summary.cardsPerKind, c.cardsPerKind);
        EXPECT_EQ(mapped.summary.valuesInNotes, c.valuesInNotes);
        std::vector<std::string> skipped;
        for (const SkippedItem& item : mapped.summary.skipped)
            skipped.push_back(item.where + ": " + item.reason);
        EXPECT_EQ(skipped, c.skipped);
    }
}

// Equal names of siblings stay as they are: the second "Bank" group is a
// category of its own, holding its own "Mail".
TEST(ImportFixtures, EqualSiblingNamesKept)
{
    const MappedImport mapped = imported(Format::KeePassXml, fixture("keepassxc.xml"));
    const CCategory& household = *mapped.holder->getSubcategories().front();
    ASSERT_EQ(household.getSubcategories().size(), 2u);
    const CCategory& second = *household.getSubcategories().back();
    EXPECT_EQ(utf8(second.getName()), "Bank");
    ASSERT_EQ(second.getCards().size(), 1u);
    EXPECT_EQ(valuesOf(*second.getCards().front()),
              (CardValues{{"kind", "Web Site"}, {"name", "Mail"}, {"siteName", "Mail"}, {"username", "second"}, {"password", "two"},
                          {"url", "https://mail2.example.org"}, {"notes", kCreated}}));
}

// Imported for an encrypted category: every category is marked encrypted,
// and a card too large to be sealed is skipped with its reason.
TEST(ImportFixtures, SealedImportMarksCategoriesAndSkipsOversizedCards)
{
    const std::string csv = "name,url,username,password,note\nbig,https://big.example,u,p," + std::string(5000, 'x') +
        "\nsmall,https://small.example,u,p,\n";
    const MappedImport mapped = imported(Format::ChromiumCsv, csv, true);
    EXPECT_TRUE(mapped.holder->isEncrypted());
    ASSERT_EQ(mapped.holder->getCards().size(), 1u);
    EXPECT_EQ(utf8(mapped.holder->getCards().front()->getName()), "small");
    ASSERT_EQ(mapped.summary.skipped.size(), 1u);
    EXPECT_EQ(mapped.summary.skipped[0].where, "line 2");
    EXPECT_NE(mapped.summary.skipped[0].reason.find("too large"), std::string::npos);

    const MappedImport nested = imported(Format::KeePassXcCsv, fixture("keepassxc.csv"), true);
    const CCategory& household = *nested.holder->getSubcategories().front();
    EXPECT_TRUE(household.isEncrypted());
    EXPECT_TRUE(household.getSubcategories().front()->isEncrypted());
}

// A card whose joined values outgrow what an import takes is skipped, so that
// every card made goes out through the export and comes back in.
TEST(ImportFixtures, CardOverTheValueLimitIsSkipped)
{
    const std::string line(30000, 'a');
    const std::string json = R"({"items": [{"type": 4, "name": "long", "identity": {"address1": ")" + line + R"(", "address2": ")" + line +
        R"(", "address3": ")" + line + R"("}}, {"type": 2, "name": "short", "notes": "n"}]})";
    const MappedImport mapped = imported(Format::BitwardenJson, json);
    ASSERT_EQ(mapped.holder->getCards().size(), 1u);
    EXPECT_EQ(utf8(mapped.holder->getCards().front()->getName()), "short");
    ASSERT_EQ(mapped.summary.skipped.size(), 1u);
    EXPECT_EQ(mapped.summary.skipped[0].where, "item 1 (\"long\")");
}

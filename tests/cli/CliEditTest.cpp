// Creating a wallet and changing it with every edit command, seen through
// the tree, the text export and the search.
#include "CliFixture.h"
#include "CardValues.h"
#include "cards/CardFactory.h"
#include "cards/CardFieldNames.h"
#include "cards/FieldCard.h"
#include "cards/CardTypeTable.h"

namespace {

TEST_F(CliTest, CreateNamesTheWalletAfterTheFileOrTheNameGiven)
{
    ok({"create", wallet});
    EXPECT_EQ(ok({"tree", wallet}).out, "test/\n");
    const CliResult refused = runCli({"create", wallet, "--name", "Family"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("File Exist. Overwrite? No"), std::string::npos);
    ok({"create", wallet, "--name", "Family", "--yes"});
    EXPECT_EQ(ok({"tree", wallet}).out, "Family/\n");
}

// One card of every kind, each with every text field set, exported byte for byte.
TEST_F(CliTest, EveryKindIsAddedWithItsFieldsAndExportedAsTheProgramWritesIt)
{
    ok({"create", wallet, "--name", "My Wallet"});
    ok({"add-category", wallet, "Kinds", "--notes", "all of them"});
    for (int typeId = 0; typeId < 27; ++typeId) {
        std::vector<std::string> args = {"add-card", wallet, std::string("Kinds/") + cardTypeRow(typeId).displayName, std::to_string(typeId),
                                         "notes=note " + std::to_string(typeId)};
        const auto card = createCard(typeId);
        const auto names = kindFieldNames(typeId);
        for (int field = 0; field < fieldCard(*card).fieldCount(); ++field) {
            const std::string name = names[static_cast<std::size_t>(field)];
            if (fieldCard(*card).fieldType(field) == FieldType::Text)
                args.push_back(name + "=" + name + " " + std::to_string(typeId));
        }
        ok(args);
    }
    ok({"edit-card", wallet, "Kinds/Lens Prescription", "lensType=Eyeglasses", "leftPower=-2", "rightDiameter=14"});
    ok({"edit-card", wallet, "Kinds/Car Info", "cylinders=6"});
    EXPECT_EQ(ok({"export", wallet}).out, readFile(KELDRA_CLI_EXPECTED "/every-kind.txt"));
    const std::string toFile = file("out.txt");
    ok({"export", wallet, "-o", toFile});
    EXPECT_EQ(readFile(toFile), readFile(KELDRA_CLI_EXPECTED "/every-kind.txt"));
}

TEST_F(CliTest, EditCopyMoveAndDeleteChangeTheTree)
{
    ok({"create", wallet, "--name", "W"});
    ok({"add-category", wallet, "Bank"});
    ok({"add-category", wallet, "Bank/Old", "--default-kind", "bank account"});
    ok({"add-category", wallet, "Home"});
    ok({"add-card", wallet, "Bank/Old/Visa", "Credit Card", "cardNumber=4111", "cardType=visa"});
    ok({"add-card", wallet, "Home/Alarm", "Combination Lock", "lock=12345678901234"});

    ok({"edit-card", wallet, "Bank/Old/Visa", "name=Amex", "cardType=American Express", "pin=99"});
    ok({"edit-category", wallet, "Bank/Old", "--name", "Cards", "--default-kind", "Credit Card"});
    ok({"copy", wallet, "Bank/Cards", "Home"});
    ok({"move", wallet, "Home/Alarm", "Bank"});
    EXPECT_EQ(ok({"tree", wallet}).out,
              "W/\n  Bank/\n    Cards/\n      Amex  (Credit Card)\n    Alarm  (Combination Lock)\n"
              "  Home/\n    Cards/\n      Amex  (Credit Card)\n");
    EXPECT_EQ(ok({"show", wallet, "Bank/Alarm"}).out, "Card Name : Alarm\nLock : 1234567890\n");
    EXPECT_EQ(ok({"show", wallet, "Home/Cards"}).out, "Category : Cards\nDefault Card : Credit Card\nEncrypt : no\n");

    EXPECT_EQ(runCli({"delete", wallet, "Home"}).status, 1); // nobody said yes
    ok({"delete", wallet, "Home", "--yes"});
    ok({"delete", wallet, "Bank/Cards/Amex", "--yes"});
    EXPECT_EQ(ok({"tree", wallet}).out, "W/\n  Bank/\n    Cards/\n    Alarm  (Combination Lock)\n");
}

TEST_F(CliTest, EditsThatCannotBeDoneAreRefused)
{
    ok({"create", wallet});
    ok({"add-category", wallet, "A"});
    ok({"add-category", wallet, "A/B"});
    ok({"add-card", wallet, "A/Card", "Password"});
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"move", wallet, "A", "A/B"}, 1, "cannot go into itself"},
        {{"add-card", wallet, "A/X", "Password", "colour=1"}, 1, "has no value \"colour\""},
        {{"add-card", wallet, "A/X", "Password", "border=maybe"}, 1, "takes on or off"},
        {{"add-card", wallet, "A/X", "Spaceship"}, 2, "Unknown card kind"},
        {{"add-card", wallet, "A/Card/X", "Password"}, 1, "is a card, not a category"},
        {{"edit-card", wallet, "A/Nothing", "notes=x"}, 1, "No node /A/Nothing."},
        {{"edit-card", wallet, "A", "notes=x"}, 1, "use edit-category"},
        {{"show", wallet, "A\\x"}, 1, "must be followed by"},
    };
    for (const auto& c : cases) {
        const CliResult result = runCli(c.args);
        EXPECT_EQ(result.status, c.status) << c.args[0];
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(ok({"tree", wallet}).out, "test/\n  A/\n    B/\n    Card  (Password)\n");
}

TEST_F(CliTest, SamePathNamesAreListedAndPickedByTheirPlace)
{
    ok({"create", wallet});
    ok({"add-category", wallet, "a\\/b"});
    ok({"add-card", wallet, "a\\/b", "Password", "system=first"});
    ok({"add-card", wallet, "a\\/b", "Web Site", "url=second"});
    const CliResult ambiguous = runCli({"show", wallet, "a\\/b"});
    EXPECT_EQ(ambiguous.status, 1);
    EXPECT_NE(ambiguous.err.find("is ambiguous; it names:\n  /a\\/b[1] (Category)\n  /a\\/b[2] (Password)\n  /a\\/b[3] (Web Site)"),
              std::string::npos)
        << ambiguous.err;
    EXPECT_EQ(ok({"show", wallet, "a\\/b[3]"}).out, "Card Name : a/b\nURL : second\n");
    EXPECT_EQ(ok({"search", wallet, ""}).out, "/\ta/b\n/\ta/b\n");
}

TEST_F(CliTest, SearchListsHitsInTreeOrderWithTheProgramsRules)
{
    ok({"create", wallet});
    ok({"add-category", wallet, "Sub"});
    ok({"add-card", wallet, "Sub/Mail", "Password", "password=Zebra"});
    ok({"add-card", wallet, "Site", "Web Site", "password=zebra"});
    ok({"add-card", wallet, "Bank", "Bank Account", "bankName=ZEBRA bank"});
    const struct {
        std::vector<std::string> options;
        const char* hits;
    } cases[] = {
        {{}, "/\tBank\n/\tSite\n"},
        {{"--hidden"}, "/\tBank\n/\tSite\n/Sub\tMail\n"},
        {{"--hidden", "--case"}, "/\tSite\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"search", wallet, "zebra"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        EXPECT_EQ(ok(args).out, c.hits);
    }
    const CliResult none = runCli({"search", wallet, "lion"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No matches found!\n");
}

TEST_F(CliTest, MisuseEndsWithStatusTwo)
{
    const std::vector<std::string> cases[] = {
        {},
        {"fly", wallet},
        {"tree"},
        {"tree", wallet, "extra"},
        {"tree", wallet, "--hidden"},
        {"tree", wallet, "--codepage", "437"},
        {"tree", wallet, "--yes", "--no"},
        {"export", wallet, "-o"},
        {"tree", wallet, "--password", "secret"},
    };
    for (const auto& args : cases)
        EXPECT_EQ(runCli(args).status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(ok({"--help"}).out.rfind("Usage: keldra-cli COMMAND", 0), 0u);
}

} // namespace

// A wallet exported in each format and imported back gives the same cards
// with the same fields (KeePassXC's CSV has columns for the kinds of a
// login and a note; Bitwarden's JSON carries every kind).
#include "InterchangeSupport.h"

#include "cards/CardFactory.h"
#include "images/IconNames.h"
#include "interchange/ExportWriters.h"

#include <nlohmann/json.hpp>

using namespace Interchange;

namespace {

struct PlannedCard {
    std::string category; // "" or "Bank" or "Bank/Cards"
    int typeId;
    std::string name;
    std::string notes;
    std::vector<std::pair<std::string, std::string>> fields;
};

const PlannedCard kLoginsAndNotes[] = {
    {"", 26, "Mail", "two\nlines", {{"siteName", "Mail"}, {"username", "anna"}, {"password", "p,\"w\""}, {"url", "https://mail.example"}}},
    {"Bank", 19, "Router", "", {{"system", "Router"}, {"username", "admin"}, {"password", "Grüße"}}},
    {"Bank/Old", 10, "Safe", "left 12, right 7", {}},
};

const PlannedCard kEveryKindOfField[] = {
    {"Bank", 0, "Giro", "main account",
     {{"accountType", "Checking"}, {"accountNumber", "12345"}, {"bankName", "Bank"}, {"pin", "1234"}, {"swift", "ABCDEF"}}},
    {"Bank/Cards", 7, "Visa", "",
     {{"cardNumber", "4111"}, {"cardProvider", "Bank"}, {"cardType", "VISA"}, {"expires", "07/2027"}, {"nameOnCard", "Anna"},
      {"lostCardNumber", "555"}, {"pin", "9876"}}},
    {"", 6, "Anna", "",
     {{"firstName", "Anna"}, {"lastName", "Ex"}, {"company", "Co"}, {"workPhone", "1"}, {"homePhone", "2"}, {"email", "a@x"},
      {"address", "Street 1"}, {"city", "Town"}, {"zip", "123"}, {"country", "Utopia"}}},
    {"", 13, "Passport", "", {{"cardTitle", "Passport"}, {"countryOrOrganization", "Utopia"}, {"idNumber", "X1"}, {"holderName", "Anna Ex"}}},
    {"", 15, "Glasses", "", {{"doctorName", "Dr Eye"}, {"lensType", "1"}, {"leftPower", "-2"}, {"rightDiameter", "14"}}},
    {"", 19, "Shell", "", {{"system", "server"}, {"username", "root"}, {"password", "pw"}, {"accessInfo", "ssh://host"}}},
    {"", 26, "No address", "", {{"siteName", "No address"}, {"username", "u"}, {"password", "p"}}},
    {"", 10, "Small note", "text", {{"smallFont", "1"}}},
};

// The category at a path of names, made where missing.
CCategory& categoryAt(CCategory& root, const std::string& path)
{
    CCategory* category = &root;
    for (const std::string& name : splitGroupPath(path)) {
        CCategory* next = nullptr;
        for (const auto& sub : category->getSubcategories()) {
            if (utf8(sub->getName()) == name)
                next = sub.get();
        }
        if (!next) {
            auto made = std::make_unique<CCategory>(CString(name.c_str()), IconNames::kDefaultCategoryIndex, 0, false);
            next = made.get();
            category->insertCategory(std::move(made));
        }
        category = next;
    }
    return *category;
}

std::unique_ptr<CCategory> walletOf(std::span<const PlannedCard> plans)
{
    auto root = std::make_unique<CCategory>(CString("Wallet"), IconNames::kDefaultCategoryIndex, 0, false);
    std::int64_t modified = 1700000000;
    for (const PlannedCard& plan : plans) {
        std::unique_ptr<CCard> card = createCard(plan.typeId);
        CFieldCard& fields = fieldCard(*card);
        for (const auto& [name, value] : plan.fields) {
            const int field = kindFieldIndex(plan.typeId, name);
            if (fields.fieldType(field) == FieldType::Text)
                fields.setText(field, CString(wideToAnsi(utf8ToWide(value))));
            else
                fields.setNumber(field, std::stoi(value));
        }
        fields.applyEditRules();
        card->setName(CString(wideToAnsi(utf8ToWide(plan.name))));
        card->getNotes() = CString(plan.notes.c_str());
        card->setModifiedTime(modified += 60);
        categoryAt(*root, plan.category).insertCard(std::move(card));
    }
    return root;
}

void expectSameCards(const CCategory& original, const CCategory& back, std::span<const PlannedCard> plans)
{
    for (const PlannedCard& plan : plans) {
        const std::string path = (plan.category.empty() ? "" : plan.category + "/") + plan.name;
        SCOPED_TRACE(path);
        const CCard* before = cardAt(original, path);
        const CCard* after = cardAt(back, path);
        ASSERT_TRUE(before && after);
        EXPECT_EQ(valuesOf(*after), valuesOf(*before));
        EXPECT_EQ(after->getModifiedTime(), before->getModifiedTime());
    }
}

} // namespace

TEST(RoundTrip, KeePassXcCsv)
{
    const auto wallet = walletOf(kLoginsAndNotes);
    const ExportResult exported = writeKeePassXcCsv(*wallet);
    EXPECT_EQ(exported.cards, std::size(kLoginsAndNotes));
    EXPECT_EQ(detectFormats(exported.text), std::vector<Format>{Format::KeePassXcCsv});
    const MappedImport back = imported(Format::KeePassXcCsv, exported.text);
    // The wallet's own name is the top group of the file.
    ASSERT_EQ(back.holder->getSubcategories().size(), 1u);
    EXPECT_EQ(utf8(back.holder->getSubcategories().front()->getName()), "Wallet");
    expectSameCards(*wallet, *back.holder->getSubcategories().front(), kLoginsAndNotes);
    EXPECT_EQ(back.summary.valuesInNotes, 0u);
}

TEST(RoundTrip, BitwardenJson)
{
    std::vector<PlannedCard> plans(std::begin(kLoginsAndNotes), std::end(kLoginsAndNotes));
    plans.insert(plans.end(), std::begin(kEveryKindOfField), std::end(kEveryKindOfField));
    const auto wallet = walletOf(plans);
    const ExportResult exported = writeBitwardenJson(*wallet);
    EXPECT_EQ(exported.cards, plans.size());
    EXPECT_EQ(detectFormats(exported.text), std::vector<Format>{Format::BitwardenJson});
    const MappedImport back = imported(Format::BitwardenJson, exported.text);
    expectSameCards(*wallet, *back.holder, plans);
    EXPECT_EQ(back.summary.valuesInNotes, 0u);
}

// What Bitwarden itself reads: the kinds it knows keep their own places, and
// only the values it has no place for become custom fields.
TEST(RoundTrip, BitwardenItemsUseTheirOwnPlaces)
{
    const auto wallet = walletOf(kEveryKindOfField);
    categoryAt(*wallet, "Bank/Empty");
    const nlohmann::json file = nlohmann::json::parse(writeBitwardenJson(*wallet).text);
    std::map<std::string, nlohmann::json> items;
    for (const auto& item : file["items"])
        items[item["name"].get<std::string>()] = item;
    EXPECT_EQ(items["Visa"]["type"], 3);
    EXPECT_EQ(items["Visa"]["card"]["number"], "4111");
    EXPECT_EQ(items["Visa"]["card"]["expMonth"], "07");
    EXPECT_EQ(items["Visa"]["card"]["expYear"], "2027");
    EXPECT_EQ(items["Anna"]["type"], 4);
    EXPECT_EQ(items["Anna"]["identity"]["postalCode"], "123");
    EXPECT_EQ(items["Shell"]["type"], 1);
    EXPECT_EQ(items["Shell"]["login"]["username"], "root");
    const auto fieldNames = [](const nlohmann::json& item) {
        std::vector<std::string> names;
        for (const auto& field : item.value("fields", nlohmann::json::array()))
            names.push_back(field["name"]);
        return names;
    };
    EXPECT_EQ(fieldNames(items["Visa"]), (std::vector<std::string>{kKindLabel, "cardProvider", "lostCardNumber", "pin"}));
    EXPECT_EQ(fieldNames(items["Shell"]), (std::vector<std::string>{kKindLabel, "system", "accessInfo"}));
    std::vector<std::string> folders;
    for (const auto& folder : file["folders"])
        folders.push_back(folder["name"]);
    EXPECT_EQ(folders, (std::vector<std::string>{"Bank", "Bank/Cards", "Bank/Empty"}));
}

// A wallet's tree, text export and search hits follow the order of folded
// names in the process code page: in Windows-1252 the characters kept at
// 0x80..0x9F go before the accented letters, in UTF-8 after them.
#include "DocumentFixture.h"
#include "support/CodePageScope.h"

#include "model/SearchResult.h"
#include "platform/CodePage.h"

#include <sstream>

namespace {

// Names as UTF-8; the wallet holds them in the process code page.
std::string inCodePage(const std::string& utf8) { return wideToAnsi(utf8ToWide(utf8)); }
std::string asUtf8(const std::string& ansi) { return wideToUtf8(ansiToWide(ansi)); }

struct Order {
    UINT codePage;
    std::vector<std::string> names; // ascending
};

const Order kOrders[] = {
    {CP_WINDOWS_1252, {"Zebra", "\xE2\x80\xA6mehr", "\xC5\xA0" "alter", "\xC5\x93uvre", "\xC3\xA0propos", "\xC3\x84rger", "\xC3\xA9" "clair"}},
    {CP_UTF8, {"Zebra", "\xC3\xA0propos", "\xC3\x84rger", "\xC3\xA9" "clair", "\xC5\x93uvre", "\xC5\xA0" "alter", "\xE2\x80\xA6mehr"}},
};

void PrintTo(const Order& order, std::ostream* out) { *out << "code page " << order.codePage; }

class NameOrder : public DocumentTest, public ::testing::WithParamInterface<Order> {
protected:
    NameOrder() : codePage(GetParam().codePage) {}

    // The values of the lines of the export that start with `label`, as UTF-8.
    std::vector<std::string> exportedValues(const std::string& label)
    {
        ui.saveFileAnswers = {dir.file("out.txt")};
        doc->exportWallet();
        const Bytes bytes = readFileBytes(dir.file("out.txt"));
        std::istringstream text(std::string(bytes.begin(), bytes.end()));
        std::vector<std::string> values;
        for (std::string line; std::getline(text, line);)
            if (line.rfind(label, 0) == 0)
                values.push_back(asUtf8(line.substr(label.size(), line.size() - label.size() - 1)));
        return values;
    }

    CodePageScope codePage;
};

TEST_P(NameOrder, TreeExportAndSearchFollowTheOrder)
{
    const std::vector<std::string>& sorted = GetParam().names;
    createWallet();
    CCategory& root = doc->getRoot();
    for (auto name = sorted.rbegin(); name != sorted.rend(); ++name) {
        const std::string stored = inCodePage(*name);
        addCard(root, freeForm(stored.c_str()));
        addCard(addCategory(root, stored.c_str()), freeForm(stored.c_str()));
    }
    ASSERT_TRUE(reopen());

    std::vector<std::string> subcategories, cards, hits;
    for (const auto& sub : doc->getRoot().getSubcategories())
        subcategories.push_back(asUtf8(sub->getName().str()));
    for (const auto& card : doc->getRoot().getCards())
        cards.push_back(asUtf8(card->getName().str()));
    EXPECT_EQ(subcategories, sorted);
    EXPECT_EQ(cards, sorted);

    std::vector<std::string> everyCardTwice = sorted;
    everyCardTwice.insert(everyCardTwice.end(), sorted.begin(), sorted.end());
    EXPECT_EQ(exportedValues("Card Name : "), everyCardTwice);
    std::vector<std::string> categories{"My Wallet"};
    categories.insert(categories.end(), sorted.begin(), sorted.end());
    EXPECT_EQ(exportedValues("Category : "), categories);

    ASSERT_TRUE(doc->search("", false, false, false));
    for (int i = 0; i < doc->getSearchResult()->getCount(); ++i)
        hits.push_back(asUtf8(doc->getSearchResult()->getAt(i)->getName().str()));
    EXPECT_EQ(hits, everyCardTwice);
}

INSTANTIATE_TEST_SUITE_P(CodePages, NameOrder, ::testing::ValuesIn(kOrders),
                         [](const auto& info) { return info.param.codePage == CP_UTF8 ? std::string("Utf8") : std::string("Windows1252"); });

} // namespace

// The tool's parts that need no wallet file: paths and the names of fields.
#include "CardValues.h"
#include "NodePath.h"
#include "cards/CardFactory.h"
#include "cards/CardFieldNames.h"
#include "cards/FieldCard.h"
#include "model/Category.h"

#include <gtest/gtest.h>

namespace {

TEST(NodePathTest, StepsAndEscapes)
{
    const struct {
        const char* path;
        std::vector<std::pair<std::string, int>> steps;
    } cases[] = {
        {"", {}},
        {"/", {}},
        {"Bank/Cards/Visa", {{"Bank", 0}, {"Cards", 0}, {"Visa", 0}}},
        {"/Bank", {{"Bank", 0}}},
        {"a\\/b/c\\\\", {{"a/b", 0}, {"c\\", 0}}},
        {"Visa[2]", {{"Visa", 2}}},
        {"Visa\\[2]", {{"Visa[2]", 0}}},
        {"Visa[0]/x[]", {{"Visa[0]", 0}, {"x[]", 0}}},
        {"a//b", {{"a", 0}, {"", 0}, {"b", 0}}},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto steps = parseNodePath(c.path, error);
        ASSERT_TRUE(steps) << c.path << ": " << error;
        std::vector<std::pair<std::string, int>> got;
        for (const PathStep& step : *steps)
            got.emplace_back(step.name.str(), step.occurrence);
        EXPECT_EQ(got, c.steps) << c.path;
    }
    for (const char* bad : {"a\\", "a\\b"}) {
        std::string error;
        EXPECT_FALSE(parseNodePath(bad, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(NodePathTest, WrittenPathsLeadBackToTheirNodes)
{
    CCategory root("W", 4, 0, false);
    root.insertCategory(std::make_unique<CCategory>("x/[y]\\", 1, 0, false));
    CCategory* odd = root.getSubcategories()[0].get();
    for (int i = 0; i < 2; ++i) {
        auto card = createCard(19);
        card->setName("x/[y]\\");
        root.insertCard(std::move(card));
    }
    std::vector<CNode*> nodes = {&root, odd, root.getCards()[0].get(), root.getCards()[1].get()};
    for (CNode* node : nodes) {
        std::string error;
        const auto steps = parseNodePath(nodePath(*node), error);
        ASSERT_TRUE(steps) << nodePath(*node);
        EXPECT_EQ(findNode(root, *steps).node, node) << nodePath(*node);
    }
    EXPECT_EQ(nodePath(*root.getCards()[1]), "/x\\/\\[y]\\\\[3]");
}

TEST(CardFieldNamesTest, EveryKindNamesEachFieldOnceAndApartFromTheSharedValues)
{
    for (int typeId = 0; typeId < 27; ++typeId) {
        auto card = createCard(typeId);
        const CFieldCard& fields = fieldCard(*card);
        const auto names = kindFieldNames(typeId);
        ASSERT_EQ(static_cast<int>(names.size()), fields.fieldCount()) << typeId;
        Json values;
        writeCardValues(fields, values);
        EXPECT_EQ(values["fields"].size(), names.size()) << "a name used twice in kind " << typeId;
        for (const char* name : names)
            EXPECT_FALSE(values.contains(name)) << name << " is also a shared value";
    }
    EXPECT_EQ(typeIdFromKindName("Driver's License"), 8);
    EXPECT_EQ(typeIdFromKindName("driverslicense"), 8);
    EXPECT_EQ(typeIdFromKindName("26"), 26);
    EXPECT_EQ(typeIdFromKindName("category"), -1);
    for (const char* unknown : {"27", "-2", "", "-", "Boat"})
        EXPECT_EQ(typeIdFromKindName(unknown), kNoKind) << unknown;
}

} // namespace

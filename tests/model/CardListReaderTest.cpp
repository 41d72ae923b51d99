// Card lists read after the tree walk, on one thread or two, give the very
// tree (and the very failures) that reading each list in the walk gives.
#include "cards/CardKinds.h"
#include "images/IconNames.h"
#include "model/CardListReader.h"
#include "model/Category.h"
#include "model/FileInputStream.h"
#include "model/FileOutputStream.h"
#include "model/NodeFactory.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

enum class Reading { InTheWalk, OneThread, TwoThreads };

constexpr Reading kReadings[] = {Reading::InTheWalk, Reading::OneThread, Reading::TwoThreads};

const char* readingName(Reading reading)
{
    return reading == Reading::InTheWalk ? "in the walk" : reading == Reading::OneThread ? "one thread" : "two threads";
}

void describe(const CNode& node, std::string& out)
{
    out += (node.isCategory() ? "C " : "K ") + node.getName().str() + " @" + std::to_string(node.getPosition());
    if (const auto* card = dynamic_cast<const CFieldCard*>(&node)) {
        for (int field = 0; field < card->fieldCount(); ++field)
            out += "|" + card->fieldText(field).str();
    }
    out += "\n";
    if (const auto* category = dynamic_cast<const CCategory*>(&node)) {
        for (const auto& card : category->getCards())
            describe(*card, out);
        for (const auto& sub : category->getSubcategories())
            describe(*sub, out);
    }
}

struct TreeRead {
    bool loaded = false;
    std::string tree;
};

TreeRead readTree(const std::string& path, std::uint32_t rootOffset, Reading reading)
{
    CFileInputStream in;
    EXPECT_TRUE(in.open(path.c_str()));
    std::unique_ptr<CNode> node;
    TreeRead result;
    if (reading == Reading::InTheWalk) {
        result.loaded = in.setCurrentPosition(rootOffset) && readNode(in, node, 3);
    } else {
        CCardListReader lists;
        {
            const CCardListReader::Scope deferring(lists);
            result.loaded = in.setCurrentPosition(rootOffset) && readNode(in, node, 3);
        }
        const std::size_t cardsForSecondThread = reading == Reading::TwoThreads ? 0 : std::numeric_limits<std::size_t>::max();
        result.loaded = result.loaded && lists.readAll(in, cardsForSecondThread);
    }
    if (result.loaded)
        describe(*node, result.tree);
    return result;
}

// A file built record by record, for lists no program would write.
class RecordFile {
public:
    explicit RecordFile(const std::string& path) : path(path) { EXPECT_TRUE(out.open(path.c_str(), true)); }

    std::uint32_t card(const char* name)
    {
        CCardPassword card(name, "notes of " + CString(name), "system", "user", "secret", "");
        const std::uint32_t at = position();
        EXPECT_TRUE(card.save(out));
        return at;
    }
    std::uint32_t category(const std::vector<std::uint32_t>& subcategories, const std::vector<std::uint32_t>& cards)
    {
        const std::uint32_t at = position();
        out << -1 << static_cast<unsigned int>(subcategories.size());
        for (const std::uint32_t sub : subcategories)
            out << sub;
        out << static_cast<unsigned int>(cards.size());
        for (const std::uint32_t card : cards)
            out << card;
        out << 0 << 0 << 0 << CString("Cat") << CString() << CString() << 0;
        return at;
    }
    std::uint32_t raw(const std::vector<unsigned int>& words)
    {
        const std::uint32_t at = position();
        for (const unsigned int word : words)
            out << word;
        return at;
    }
    std::uint32_t position()
    {
        std::uint32_t at = 0;
        EXPECT_TRUE(out.getCurrentStreamPosition(at));
        return at;
    }
    void close() { EXPECT_TRUE(out.close()); }

    const std::string path;

private:
    CFileOutputStream out;
};

} // namespace

// Many categories of many cards, with names that sort alike in different
// case, so that any card read twice, lost, put in the wrong category or out
// of its list's order changes the description.
TEST(CardListReader, TwoThreadsReadTheTreeTheWalkReads)
{
    TempDir dir;
    const std::string path = dir.file("large.wal");
    CCategory root("Root", IconNames::kDefaultCategoryIndex, 0, false);
    for (int c = 0; c < 40; ++c) {
        auto category = std::make_unique<CCategory>(("Category " + std::to_string(c)).c_str(), IconNames::kDefaultCategoryIndex, 0, false);
        for (int k = 0; k < 130; ++k) {
            const std::string name = std::string(k % 2 ? "card " : "Card ") + std::to_string(k % 50);
            category->insertCard(std::make_unique<CCardPassword>(name.c_str(), "", ("system " + std::to_string(c)).c_str(),
                                                                 ("user " + std::to_string(k)).c_str(), "p\xC3\xA4ss", ""));
        }
        root.insertCategory(std::move(category));
    }
    std::uint32_t rootOffset = 0;
    {
        CFileOutputStream out;
        ASSERT_TRUE(out.open(path.c_str(), true));
        root.setWriteSubtree(true);
        ASSERT_TRUE(root.save(out));
        root.setWriteSubtree(false);
        rootOffset = root.getPosition();
        ASSERT_TRUE(out.close());
    }

    const TreeRead walk = readTree(path, rootOffset, Reading::InTheWalk);
    ASSERT_TRUE(walk.loaded);
    EXPECT_EQ(std::count(walk.tree.begin(), walk.tree.end(), '\n'), 1 + 40 * 131);
    for (int round = 0; round < 5; ++round) {
        for (const Reading reading : {Reading::OneThread, Reading::TwoThreads}) {
            const TreeRead read = readTree(path, rootOffset, reading);
            ASSERT_TRUE(read.loaded) << readingName(reading);
            EXPECT_EQ(read.tree, walk.tree) << readingName(reading);
        }
    }
}

TEST(CardListReader, OddListsEndAndFailAsInTheWalk)
{
    TempDir dir;
    const struct {
        const char* what;
        bool loads;
        std::function<std::uint32_t(RecordFile&)> build; // returns the root's offset
    } cases[] = {
        {"list out of order", true,
         [](RecordFile& f) { return f.category({}, {f.card("b"), f.card("A"), f.card("a"), f.card("B")}); }},
        {"card in two categories", false,
         [](RecordFile& f) {
             const std::uint32_t shared = f.card("shared");
             return f.category({f.category({}, {shared}), f.category({}, {shared})}, {});
         }},
        {"card twice in a list", false,
         [](RecordFile& f) {
             const std::uint32_t twice = f.card("twice");
             return f.category({}, {twice, f.card("other"), twice});
         }},
        {"category ends the list before a repeat", true,
         [](RecordFile& f) {
             const std::uint32_t card = f.card("kept");
             return f.category({}, {card, f.category({}, {}), card});
         }},
        {"unknown type ends the list before a repeat", true,
         [](RecordFile& f) {
             const std::uint32_t card = f.card("kept");
             return f.category({}, {card, f.raw({27}), card});
         }},
        {"subcategory listed as a card", false,
         [](RecordFile& f) {
             const std::uint32_t sub = f.category({}, {f.card("inside")});
             return f.category({sub}, {sub});
         }},
        {"card cut short", false,
         [](RecordFile& f) { return f.category({}, {f.card("whole"), f.raw({12, 0, 0xFFFFFFF0u})}); }},
        {"offset outside the file", false, [](RecordFile& f) { return f.category({}, {f.card("first"), 1u << 30}); }},
    };
    for (const auto& c : cases) {
        RecordFile file(dir.file("odd.wal"));
        const std::uint32_t root = c.build(file);
        file.close();
        const TreeRead walk = readTree(file.path, root, Reading::InTheWalk);
        EXPECT_EQ(walk.loaded, c.loads) << c.what;
        for (const Reading reading : kReadings) {
            const TreeRead read = readTree(file.path, root, reading);
            EXPECT_EQ(read.loaded, walk.loaded) << c.what << ", " << readingName(reading);
            EXPECT_EQ(read.tree, walk.tree) << c.what << ", " << readingName(reading);
        }
    }
}

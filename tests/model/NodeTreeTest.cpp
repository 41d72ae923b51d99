#include "cards/CardKinds.h"
#include "images/IconNames.h"
#include "model/CardSealer.h"
#include "model/Category.h"
#include "model/NodeTreeState.h"
#include "support/RecordStreams.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CCard> password(const char* name, const char* pass = "")
{
    return std::make_unique<CCardPassword>(name, "", "", "", pass, "");
}

std::unique_ptr<CCategory> category(const char* name, bool encrypted = false)
{
    return std::make_unique<CCategory>(name, IconNames::kDefaultCategoryIndex, 0, encrypted);
}

template <class List>
std::vector<std::string> namesOf(const List& list)
{
    std::vector<std::string> names;
    for (const auto& node : list)
        names.push_back(node->getName().str());
    return names;
}

// The tree's document-wide values and services, restored after each test.
class NodeTree : public ::testing::Test {
protected:
    void SetUp() override { NodeTreeState::setUserInterface(&ui); }
    void TearDown() override
    {
        NodeTreeState::setUserInterface(nullptr);
        NodeTreeState::setCardSealer(nullptr);
        NodeTreeState::setRewriteMode(false);
        NodeTreeState::setOrderFlag(0);
    }

    // Writes the whole tree below `root` and returns the bytes; `rootOffset` receives the root record's offset.
    Bytes writeTree(CCategory& root, Encoding encoding, std::uint32_t& rootOffset)
    {
        bool ok = false;
        const Bytes bytes = writeWith(
            encoding,
            [&](COutputStream& out) {
                root.setWriteSubtree(true);
                const bool saved = root.save(out);
                root.setWriteSubtree(false);
                return saved;
            },
            &ok);
        EXPECT_TRUE(ok);
        rootOffset = root.getPosition();
        return bytes;
    }

    ScriptedUserInterface ui;
};

TEST_F(NodeTree, ChildrenAreSortedWithoutCaseAndEqualNamesGoLast)
{
    CCategory root("Root", 1, 0, false);
    const struct {
        const char* name;
        const char* neighbour; // null: placed first
    } inserts[] = {{"b", nullptr}, {"A", nullptr}, {"a", "A"}, {"_x", nullptr}, {"B", "b"}};
    for (const auto& insert : inserts) {
        std::unique_ptr<CCard> card = password(insert.name);
        CCard* const neighbour = root.insertCard(std::move(card));
        EXPECT_EQ(neighbour ? neighbour->getName().str() : "(first)", insert.neighbour ? insert.neighbour : "(first)") << insert.name;
    }
    EXPECT_EQ(namesOf(root.getCards()), (std::vector<std::string>{"_x", "A", "a", "b", "B"}));
    for (const auto& card : root.getCards())
        EXPECT_EQ(card->getParent(), &root);

    root.insertCategory(category("m"));
    CCategory* const first = root.insertCategory(category("K"));
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(namesOf(root.getSubcategories()), (std::vector<std::string>{"K", "m"}));
}

TEST_F(NodeTree, RenamedCardIsSortedAgainAndRemovedCardsAreGone)
{
    CCategory root("Root", 1, 0, false);
    root.insertCard(password("a"));
    root.insertCard(password("c"));
    CCard* moving = root.getCards()[0].get();
    moving->setName("d");
    CCard* neighbour = root.resortCard(moving);
    ASSERT_NE(neighbour, nullptr);
    EXPECT_EQ(neighbour->getName(), "c");
    EXPECT_EQ(namesOf(root.getCards()), (std::vector<std::string>{"c", "d"}));

    CCategory other("Other", 1, 0, false);
    EXPECT_FALSE(other.removeCard(moving));
    EXPECT_TRUE(root.removeCard(moving));
    EXPECT_EQ(namesOf(root.getCards()), (std::vector<std::string>{"c"}));
    root.insertCategory(category("s"));
    root.deleteAllSubcategories();
    root.deleteAllCards();
    EXPECT_TRUE(root.getCards().empty());
    EXPECT_TRUE(root.getSubcategories().empty());
}

TEST_F(NodeTree, EmptyCategoryRecordLayout)
{
    NodeTreeState::setOrderFlag(9);
    CCategory empty("C", IconNames::kDefaultCategoryIndex, 4, true);
    empty.setModifiedTime(7);
    const Bytes bytes = writeWith(Encoding::File, [&](COutputStream& out) { return empty.save(out); });
    const Bytes expected = writeWith(Encoding::File, [](COutputStream& out) {
        out << -1 << 0u << 0u << 4 << 9 << 1 << CString("C") << CString("media\\icons\\Standart\\DefaultCategory.ico") << CString() << 7;
        return true;
    });
    EXPECT_EQ(bytes, expected);
    // Six integers, "C" and the icon name as a count and their UTF-16 units with a zero, empty notes, the time.
    EXPECT_EQ(bytes.size(), 24u + (4 + 2 * 2) + (4 + 41 * 2) + 4 + 4);
}

TEST_F(NodeTree, TreeRoundTripKeepsShapeIconsAndOrderFlag)
{
    for (Encoding encoding : {Encoding::Memory, Encoding::File}) {
        CCategory root("Root", IconNames::kWalletIndex, 0, false);
        auto sub = category("Sub");
        sub->setIconIndex(39); // the credit-card icon's category variant
        sub->setDefaultCardType(7);
        sub->insertCard(password("inner", "secret"));
        root.insertCategory(std::move(sub));
        root.insertCard(password("b"));
        root.insertCard(password("a"));
        NodeTreeState::setOrderFlag(3);
        std::uint32_t rootOffset = 0;
        const Bytes bytes = writeTree(root, encoding, rootOffset);
        NodeTreeState::setOrderFlag(0);

        bool loaded = false;
        const auto node = readRecord(encoding, bytes, rootOffset, 3, loaded);
        ASSERT_TRUE(loaded) << encodingName(encoding);
        const auto& read = dynamic_cast<const CCategory&>(*node);
        EXPECT_EQ(NodeTreeState::orderFlag(), 3);
        EXPECT_EQ(read.getPosition(), rootOffset);
        EXPECT_EQ(namesOf(read.getCards()), (std::vector<std::string>{"a", "b"}));
        ASSERT_EQ(read.getSubcategories().size(), 1u);
        const CCategory& readSub = *read.getSubcategories()[0];
        EXPECT_EQ(readSub.getParent(), &read);
        EXPECT_EQ(readSub.getIconIndex(), 39);
        EXPECT_EQ(readSub.getDefaultCardType(), 7);
        ASSERT_EQ(readSub.getCards().size(), 1u);
        EXPECT_EQ(dynamic_cast<const CCardPassword&>(*readSub.getCards()[0]).getPassword(), "secret");
        EXPECT_EQ(readSub.getCards()[0]->getIconIndex(), IconNames::cardTypeIconIndex(19));
    }
}

TEST_F(NodeTree, RewriteModeNotesPositionsAsPendingUntilCommitted)
{
    CCategory root("Root", 1, 0, false);
    root.insertCard(password("a"));
    CCard* card = root.getCards()[0].get();
    card->setPosition(500);
    NodeTreeState::setRewriteMode(true);
    std::uint32_t rootOffset = 0;
    writeTree(root, Encoding::File, rootOffset);
    EXPECT_EQ(card->getPosition(), 0u); // the offset in the new file
    NodeTreeState::setRewriteMode(false);
    EXPECT_EQ(card->getPosition(), 500u);
    card->commitPendingPosition();
    EXPECT_EQ(card->getPosition(), 0u);
}

TEST_F(NodeTree, ModifiedTimeKeepsItsLow32Bits)
{
    auto card = password("t");
    card->setModifiedTime((std::int64_t{1} << 32) + 5);
    const Bytes bytes = writeWith(Encoding::File, [&](COutputStream& out) { return card->save(out); });
    bool loaded = false;
    const auto read = readRecord(Encoding::File, bytes, 0, 3, loaded);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(read->getModifiedTime(), 5);
    // A stored time with the top bit set is taken as negative.
    card->setModifiedTime(0xFFFFFFFFll);
    const Bytes negative = writeWith(Encoding::File, [&](COutputStream& out) { return card->save(out); });
    EXPECT_EQ(readRecord(Encoding::File, negative, 0, 3, loaded)->getModifiedTime(), -1);
}

// A version-1 record: the node part holds a legacy icon number instead of an icon name.
Bytes legacyCategory(int legacyIcon)
{
    return writeWith(Encoding::File, [&](COutputStream& out) {
        out << -1 << 0u << 0u << 0 << 0 << 0 << CString("Old") << legacyIcon << CString() << 1;
        return true;
    });
}

Bytes passwordCard(unsigned int version, int cornerSetting, int placement)
{
    return writeWith(Encoding::File, [&](COutputStream& out) {
        out << 19 << CString("Pw");
        if (version == 1)
            out << 22;
        else
            out << CString("media\\icons\\Standart\\Boat.ico");
        out << CString() << 1 << 0xFFFFFFu << 0u << 2 << cornerSetting << 0xFu << CString() << CString() << placement;
        out << CString("sys") << CString("me") << CString("pw") << CString("");
        return true;
    });
}

TEST_F(NodeTree, VersionOneCategoriesMapTheirLegacyIcon)
{
    const struct {
        int legacy;
        int index;
    } cases[] = {{22, 5}, {0, 19}, {42, 6}, {4, 1}, {41, 1}, {43, 1}, {-1, 1}, {1000, 1}};
    for (const auto& c : cases) {
        bool loaded = false;
        const auto node = readRecord(Encoding::File, legacyCategory(c.legacy), 0, 1, loaded);
        ASSERT_TRUE(loaded) << c.legacy;
        EXPECT_EQ(node->getIconIndex(), c.index) << c.legacy;
    }
}

TEST_F(NodeTree, VersionOneCardsTakeTheirTypesIconAndMendOddSettings)
{
    const struct {
        unsigned int version;
        int corner, placement;
        int icon, expectedCorner, expectedPlacement;
    } cases[] = {
        {1, 7, 11, IconNames::cardTypeIconIndex(19), 0, 5},
        {1, 1, -1, IconNames::cardTypeIconIndex(19), 1, 5},
        {1, 0, 10, IconNames::cardTypeIconIndex(19), 0, 10},
        {3, 7, 11, IconNames::kMissingIconIndex, 7, 11},
        {2, 7, 11, IconNames::kMissingIconIndex, 7, 11},
    };
    for (const auto& c : cases) {
        bool loaded = false;
        const auto node = readRecord(Encoding::File, passwordCard(c.version, c.corner, c.placement), 0, c.version, loaded);
        ASSERT_TRUE(loaded) << c.version;
        const auto& card = dynamic_cast<const CCardPassword&>(*node);
        EXPECT_EQ(card.getIconIndex(), c.icon) << c.version;
        EXPECT_EQ(card.getCornerSetting(), c.expectedCorner) << c.version;
        EXPECT_EQ(card.getPicturePlacement(), c.expectedPlacement) << c.version;
        EXPECT_EQ(card.getPassword(), "pw");
        EXPECT_TRUE(card.getReservedFlag());
    }
}

TEST_F(NodeTree, UnsupportedVersionIsReported)
{
    bool loaded = true;
    readRecord(Encoding::File, passwordCard(3, 0, 0), 0, 4, loaded);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Load unsupported version of CNode!"});
}

// A category record at the end of `bytes` whose lists hold the given offsets.
std::uint32_t appendCategory(Bytes& bytes, const std::vector<std::uint32_t>& subcategories, const std::vector<std::uint32_t>& cards,
                             unsigned int subcategoryCount = ~0u)
{
    const auto offset = static_cast<std::uint32_t>(bytes.size());
    const Bytes record = writeWith(Encoding::File, [&](COutputStream& out) {
        out << -1 << (subcategoryCount == ~0u ? static_cast<unsigned int>(subcategories.size()) : subcategoryCount);
        for (std::uint32_t sub : subcategories)
            out << sub;
        out << static_cast<unsigned int>(cards.size());
        for (std::uint32_t card : cards)
            out << card;
        out << 0 << 0 << 0 << CString("Cat") << CString() << CString() << 0;
        return true;
    });
    bytes.insert(bytes.end(), record.begin(), record.end());
    return offset;
}

TEST_F(NodeTree, DamagedListsFailCleanly)
{
    // A category that lists itself, or its own parent, as a subcategory.
    Bytes selfBytes;
    appendCategory(selfBytes, {0}, {});
    Bytes cycleBytes = {0, 0, 0, 0}; // the child record follows at 4
    const std::uint32_t parentAt = 4 + 4 + 4 + 4 + 4 + 12 + 4 + 4 * 2 + 4 + 4 + 4;
    appendCategory(cycleBytes, {parentAt}, {});
    ASSERT_EQ(appendCategory(cycleBytes, {4}, {}), parentAt);
    // A count far beyond the data.
    Bytes absurdBytes;
    appendCategory(absurdBytes, {}, {}, 0xFFFFFFF0u);
    // An offset outside the data.
    Bytes outsideBytes;
    appendCategory(outsideBytes, {}, {1u << 30});
    // Nesting deeper than any wallet, which would otherwise exhaust the stack.
    Bytes deepBytes;
    std::uint32_t deepest = appendCategory(deepBytes, {}, {});
    for (int level = 0; level < 5000; ++level)
        deepest = appendCategory(deepBytes, {deepest}, {});

    const struct {
        const char* what;
        const Bytes& bytes;
        std::uint32_t root;
    } cases[] = {
        {"itself", selfBytes, 0}, {"through a child", cycleBytes, parentAt}, {"absurd count", absurdBytes, 0}, {"offset outside", outsideBytes, 0},
        {"deep nesting", deepBytes, deepest}};
    for (const auto& c : cases) {
        for (Encoding encoding : {Encoding::Memory, Encoding::File}) {
            // Category records hold only integers and empty texts, which both encodings read alike.
            bool loaded = true;
            readRecord(encoding, c.bytes, c.root, 3, loaded);
            EXPECT_FALSE(loaded) << c.what << " " << encodingName(encoding);
        }
    }
}

TEST_F(NodeTree, SecondOffsetOutsideTheDataKeepsTheFirstSubcategory)
{
    Bytes bytes;
    const std::uint32_t child = appendCategory(bytes, {}, {});
    const std::uint32_t root = appendCategory(bytes, {child, 99999}, {});
    auto in = readerFor(Encoding::File, bytes);
    ASSERT_TRUE(in->setCurrentPosition(root));
    std::unique_ptr<CNode> node;
    EXPECT_FALSE(readNode(*in, node, 3));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(dynamic_cast<const CCategory&>(*node).getSubcategories().size(), 1u);
}

TEST_F(NodeTree, ListsEndAtUnknownTypesAndAtRecordsOfTheWrongKind)
{
    Bytes bytes = writeWith(Encoding::File, [](COutputStream& out) {
        out << 27; // no kind of node
        return true;
    });
    const Bytes card = passwordCard(3, 0, 0);
    const auto cardAt = static_cast<std::uint32_t>(bytes.size());
    bytes.insert(bytes.end(), card.begin(), card.end());
    const std::uint32_t sub = appendCategory(bytes, {}, {});
    const struct {
        const char* what;
        std::vector<std::uint32_t> subcategories, cards;
        std::size_t keptSubcategories, keptCards;
    } cases[] = {
        {"unknown type among cards", {}, {cardAt, 0, cardAt}, 0, 1},
        {"card among subcategories", {sub, cardAt, sub}, {}, 1, 0},
        {"category among cards", {}, {cardAt, sub, cardAt}, 0, 1},
    };
    for (const auto& c : cases) {
        Bytes withRoot = bytes;
        const std::uint32_t root = appendCategory(withRoot, c.subcategories, c.cards);
        bool loaded = false;
        const auto node = readRecord(Encoding::File, withRoot, root, 3, loaded);
        EXPECT_TRUE(loaded) << c.what;
        const auto& read = dynamic_cast<const CCategory&>(*node);
        EXPECT_EQ(read.getSubcategories().size(), c.keptSubcategories) << c.what;
        EXPECT_EQ(read.getCards().size(), c.keptCards) << c.what;
    }
}

class ScriptedSealer : public ICardSealer {
public:
    bool keyLoaded = true;
    bool opens = true;
    int openCalls = 0;

    bool hasDocumentKey() const override { return keyLoaded; }
    bool openSealedCards(CCategory& category) override
    {
        ++openCalls;
        if (!opens)
            return false;
        category.clearSealedCards();
        category.insertCard(password("opened"));
        return true;
    }
    bool sealCard(CCard&, CSizedArray& sealed) override { return sealed.init(3); }
};

std::unique_ptr<CCategory> sealedCategory()
{
    auto sealed = category("Vault", true);
    CSizedArray record;
    record.init(2);
    sealed->setSealedCards({record}, {1234});
    return sealed;
}

TEST_F(NodeTree, CloneCopiesTheWholeSubtree)
{
    CCategory root("Root", 1, 0, false);
    root.setPosition(77);
    auto sub = category("Sub");
    sub->insertCard(password("deep"));
    root.insertCategory(std::move(sub));
    root.insertCard(password("top"));
    root.getNotes() = "notes";

    const std::unique_ptr<CCategory> copy(root.clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getParent(), nullptr);
    EXPECT_EQ(copy->getPosition(), 77u);
    EXPECT_EQ(copy->getNotes(), "notes");
    ASSERT_EQ(copy->getSubcategories().size(), 1u);
    const CCategory& copiedSub = *copy->getSubcategories()[0];
    EXPECT_NE(&copiedSub, root.getSubcategories()[0].get());
    EXPECT_EQ(copiedSub.getParent(), copy.get());
    ASSERT_EQ(copiedSub.getCards().size(), 1u);
    EXPECT_EQ(copiedSub.getCards()[0]->getParent(), &copiedSub);
    EXPECT_EQ(namesOf(copy->getCards()), std::vector<std::string>{"top"});
    EXPECT_NE(copy->getCards()[0].get(), root.getCards()[0].get());
}

TEST_F(NodeTree, CloneOfSealedCardsOpensThemOrGivesNothing)
{
    ScriptedSealer sealer;
    // Without any encryption, and then without a key, there is no copy.
    auto root = category("Root");
    root->insertCategory(sealedCategory());
    EXPECT_EQ(root->clone(), nullptr);
    NodeTreeState::setCardSealer(&sealer);
    sealer.keyLoaded = false;
    EXPECT_EQ(root->clone(), nullptr);
    EXPECT_EQ(sealer.openCalls, 0);
    EXPECT_TRUE(ui.messages.empty());

    sealer.keyLoaded = true;
    sealer.opens = false;
    EXPECT_EQ(root->clone(), nullptr);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Error while decrypting cards!"});

    sealer.opens = true;
    const std::unique_ptr<CCategory> copy(root->clone());
    ASSERT_NE(copy, nullptr);
    const CCategory& vault = *copy->getSubcategories()[0];
    EXPECT_FALSE(vault.hasSealedCards());
    EXPECT_EQ(namesOf(vault.getCards()), std::vector<std::string>{"opened"});
}

TEST_F(NodeTree, EncryptedCategorySaving)
{
    // Sealed records are written again as they are, and need no key.
    auto vault = sealedCategory();
    bool saved = false;
    Bytes bytes = writeWith(Encoding::File, [&](COutputStream& out) { return vault->save(out); }, &saved);
    ASSERT_TRUE(saved);
    EXPECT_EQ(vault->getSealedPositions(), std::vector<std::uint32_t>{0});
    bool loaded = false;
    const auto read = readRecord(Encoding::File, bytes, vault->getPosition(), 3, loaded);
    ASSERT_TRUE(loaded);
    const auto& readVault = dynamic_cast<const CCategory&>(*read);
    ASSERT_TRUE(readVault.hasSealedCards());
    EXPECT_EQ(readVault.getSealedCards()[0].getSize(), 2u);

    // Open cards of an encrypted category cannot be written without the key.
    auto open = category("Open", true);
    open->insertCard(password("a"));
    writeWith(Encoding::File, [&](COutputStream& out) { return open->save(out); }, &saved);
    EXPECT_FALSE(saved);
    ScriptedSealer sealer;
    NodeTreeState::setCardSealer(&sealer);
    open->setWriteSubtree(true);
    bytes = writeWith(Encoding::File, [&](COutputStream& out) { return open->save(out); }, &saved);
    EXPECT_TRUE(saved);
    // The card went out sealed: a byte array of three bytes at offset 0.
    EXPECT_EQ(open->getCards()[0]->getPosition(), 0u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{3, 0, 0, 0}));
}

TEST_F(NodeTree, ExportLineWriter)
{
    const struct {
        CString label, value;
        std::string written;
    } cases[] = {
        {"Pin : ", "", ""},
        {"Pin : ", "12", "Pin : 12\r\n"},
        {"", "value", "value\r\n"},
        {CString(std::string(3000, 'l')), CString(std::string(2049, 'v')), std::string(2048, 'l') + std::string(2048, 'v') + "\r\n"},
    };
    for (const auto& c : cases) {
        bool ok = false;
        const Bytes bytes = writeWith(Encoding::Memory, [&](COutputStream& out) { return CNode::writeExportLine(out, c.label, c.value); }, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.written) << c.label.str();
    }
    // A write that fails is reported.
    unsigned char small[4];
    CByteOutputStream full(small, sizeof small);
    EXPECT_FALSE(CNode::writeExportLine(full, "Label : ", "value"));
}

TEST_F(NodeTree, FactoryMakesNodesFromTypeIds)
{
    const auto category = createNode(-1, 40);
    ASSERT_NE(category, nullptr);
    EXPECT_TRUE(category->isCategory());
    EXPECT_EQ(category->getPosition(), 40u);
    const auto card = createNode(26, 8);
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->isCard());
    EXPECT_NE(dynamic_cast<CCardWebSite*>(card.get()), nullptr);
    for (int unknown : {-2, 27})
        EXPECT_EQ(createNode(unknown, 0), nullptr);
}

} // namespace

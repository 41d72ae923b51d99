// The wallet file as the document writes it: the layout of a new wallet and
// the exact records and slots that each edit appends and overwrites.
#include "DocumentFixture.h"

#include "model/FileOutputStream.h"
#include "model/NodeTreeState.h"
#include "model/WalletFile.h"

#include <utility>

namespace {

using Slot = std::pair<std::uint32_t, std::uint32_t>;

// The node's record as its `save` writes it now.
Bytes recordOf(CNode& node)
{
    const std::uint32_t position = node.getPosition();
    const Bytes bytes = writeWith(Encoding::File, [&](COutputStream& out) { return node.save(out); });
    node.setRecordPosition(position);
    return bytes;
}

class WalletFile : public DocumentTest {
protected:
    // The file must be `before` with the slots overwritten and the records
    // appended, nothing else.
    void expectEdit(const Bytes& before, const std::vector<CNode*>& records, const std::vector<Slot>& slots)
    {
        Bytes expected = before;
        for (const Slot& slot : slots)
            for (int i = 0; i < 4; ++i)
                expected.at(slot.first + i) = static_cast<unsigned char>(slot.second >> (8 * i));
        for (CNode* node : records) {
            const Bytes record = recordOf(*node);
            expected.insert(expected.end(), record.begin(), record.end());
        }
        EXPECT_EQ(fileBytes(), expected);
    }
    static std::uint32_t cardSlot(CCategory& category, int index)
    {
        return category.getPosition() + 12 + 4 * static_cast<std::uint32_t>(category.getSubcategories().size() + index);
    }
    static std::uint32_t subcategorySlot(CCategory& category, int index) { return category.getPosition() + 8 + 4 * index; }
};

TEST_F(WalletFile, NewWalletLayout)
{
    createWallet();
    const Bytes bytes = fileBytes();
    EXPECT_EQ(u32At(bytes, 0), 1u);
    EXPECT_EQ(u32At(bytes, 4), 25u);
    EXPECT_EQ(u32At(bytes, 60), 3u);
    EXPECT_EQ(u32At(bytes, 64), 68u);
    EXPECT_EQ(u32At(bytes, 68), 76u);
    EXPECT_EQ(u32At(bytes, 72), 0u);
    EXPECT_EQ(static_cast<int>(u32At(bytes, 76)), -1);
    EXPECT_EQ(doc->getRoot().getPosition(), 76u);
    EXPECT_EQ(doc->getRoot().getIconIndex(), IconNames::kWalletIndex);
    ASSERT_EQ(recorder.hints.size(), 1u);
    EXPECT_EQ(recorder.hints[0].kind, UpdateHint::TreeLoaded);

    // Opening compacts into the same layout.
    ASSERT_TRUE(reopen());
    EXPECT_EQ(u32At(fileBytes(), 64), 68u);
    EXPECT_EQ(u32At(fileBytes(), 68), 76u);
    EXPECT_EQ(doc->getRoot().getName(), "My Wallet");
}

// The views read the nodes they show: before a tree goes, even in an open
// that fails, they hear of it, and no hint names the old tree afterwards.
TEST_F(WalletFile, ObserversHearBeforeTheTreeIsDeleted)
{
    createWallet();
    addCategory(doc->getRoot(), "Bank");
    const int before = recorder.contentsDeleting;
    recorder.hints.clear();
    EXPECT_FALSE(doc->openWalletFile(walletPath("missing.wal")));
    EXPECT_GT(recorder.contentsDeleting, before);
    EXPECT_TRUE(recorder.hints.empty());
    EXPECT_TRUE(doc->getRoot().getSubcategories().empty());
}

TEST_F(WalletFile, CardEditsAppendTheCardAndItsCategory)
{
    createWallet();
    CCategory& root = doc->getRoot();
    CCategory& shop = addCategory(root, "Shop");
    CCard& a = addCard(shop, freeForm("A"));
    addCard(shop, freeForm("C"));

    // Add: the card, then the category; the category's slot in the root.
    Bytes before = fileBytes();
    CCard& b = addCard(shop, freeForm("B"));
    expectEdit(before, {&b, &shop}, {{subcategorySlot(root, 0), shop.getPosition()}});
    EXPECT_EQ(recorder.hints.back().second, &a) << "the neighbour";

    // Rename that moves the card: its slot in the old category record is the
    // one at its stored place.
    before = fileBytes();
    const std::uint32_t oldSlot = cardSlot(shop, 0);
    a.setName("D");
    ASSERT_TRUE(doc->updateCard(a));
    expectEdit(before, {&a, &shop}, {{oldSlot, a.getPosition()}, {subcategorySlot(root, 0), shop.getPosition()}});
    EXPECT_EQ(shop.getCards().back().get(), &a);

    // Delete: only the category.
    before = fileBytes();
    ASSERT_TRUE(doc->deleteCard(&b));
    expectEdit(before, {&shop}, {{subcategorySlot(root, 0), shop.getPosition()}});
    EXPECT_EQ(recorder.hints.back().kind, UpdateHint::CardDeleted);

    // Deleting the root's only card moves the root offset in the index block.
    CCard& only = addCard(root, freeForm("Only"));
    before = fileBytes();
    ASSERT_TRUE(doc->deleteCard(&only));
    expectEdit(before, {&root}, {{68, root.getPosition()}});
}

TEST_F(WalletFile, CategoryEditsAppendTheCategoryAndItsParent)
{
    createWallet();
    CCategory& root = doc->getRoot();
    Bytes before = fileBytes();
    CCategory& home = addCategory(root, "Home");
    expectEdit(before, {&home, &root}, {{68, root.getPosition()}});
    EXPECT_EQ(recorder.hints.back().kind, UpdateHint::CategoryAdded);

    before = fileBytes();
    home.setName("House");
    ASSERT_TRUE(doc->updateCategory(home));
    expectEdit(before, {&home}, {{subcategorySlot(root, 0), home.getPosition()}});
    EXPECT_EQ(recorder.hints.back().kind, UpdateHint::CategoryWritten);

    before = fileBytes();
    ASSERT_TRUE(doc->deleteCategory(&home));
    expectEdit(before, {&root}, {{68, root.getPosition()}});
    EXPECT_EQ(recorder.hints.back().kind, UpdateHint::CategoryDeleted);
    EXPECT_FALSE(doc->deleteCategory(&root)) << "the root stays";
}

TEST_F(WalletFile, PasswordChangeWithoutEncryptedCategoriesAppendsOnlyAnIndexBlock)
{
    createWallet();
    addCard(doc->getRoot(), freeForm("Note"));
    const Bytes before = fileBytes();
    answerPassword("pw", "pw");
    ASSERT_TRUE(doc->setPassword());
    const Bytes after = fileBytes();
    const auto q = static_cast<std::uint32_t>(before.size());
    const std::uint32_t length = u32At(after, q + 4);
    EXPECT_TRUE(length == 8 || length == 10 || length == 12 || length == 14) << length;
    ASSERT_EQ(after.size(), before.size() + 8 + length);
    EXPECT_EQ(u32At(after, q), doc->getRoot().getPosition());
    Bytes expectedPrefix = before;
    for (int i = 0; i < 4; ++i)
        expectedPrefix[64 + i] = static_cast<unsigned char>(q >> (8 * i));
    EXPECT_EQ(Bytes(after.begin(), after.begin() + q), expectedPrefix);

    ui.passwordAnswers.push_back({true, "pw", "pw2", "pw2"});
    ASSERT_TRUE(doc->changePassword());
    EXPECT_EQ(fileBytes().size(), after.size() + 8 + u32At(fileBytes(), after.size() + 4));
    EXPECT_EQ(u32At(fileBytes(), 64), after.size());
}

TEST_F(WalletFile, PasswordChangeWithEncryptedCategoriesRewritesTheTreeAfterANewIndexBlock)
{
    walletWithVault();
    const Bytes before = fileBytes();
    ui.passwordAnswers.push_back({true, "pw", "new", "new"});
    ASSERT_TRUE(doc->changePassword());
    const Bytes after = fileBytes();
    const auto q = static_cast<std::uint32_t>(before.size());
    EXPECT_EQ(u32At(after, 64), q);
    CCategory& root = doc->getRoot();
    EXPECT_EQ(u32At(after, q), root.getPosition());
    EXPECT_EQ(root.getPosition() + recordOf(root).size(), after.size()) << "the root's record is the last";
    EXPECT_EQ(Bytes(after.begin() + 68, after.begin() + q), Bytes(before.begin() + 68, before.end()));

    ASSERT_TRUE(reopen());
    answerPassword("pw");
    answerPassword("new");
    CCategory* vault = child(doc->getRoot(), "Vault");
    ASSERT_NE(vault, nullptr);
    EXPECT_FALSE(doc->openEncryptedCategory(*vault));
    EXPECT_TRUE(doc->openEncryptedCategory(*vault));
    EXPECT_EQ(vault->getCards().size(), 3u);
}

TEST_F(WalletFile, OpeningCompactsEveryRecordOnceAndReplacesTheFileInOneStep)
{
    createWallet();
    CCategory& shop = addCategory(doc->getRoot(), "Shop");
    CCard& card = addCard(shop, freeForm("A"));
    for (const char* name : {"B", "C", "D"}) {
        card.setName(name);
        ASSERT_TRUE(doc->updateCard(card));
    }
    const std::size_t grown = fileBytes().size();
    doc->deleteContents();
    FaultyFileApi disk;
    ASSERT_TRUE(doc->openWalletFile(walletPath()));
    const auto& calls = disk.calls;
    const auto rename = std::find(calls.begin(), calls.end(), "rename");
    ASSERT_NE(rename, calls.end());
    EXPECT_EQ(*std::prev(rename), "sync");
    EXPECT_EQ(*std::next(rename), "syncFolder");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "remove"), 0);
    EXPECT_LT(fileBytes().size(), grown);
    EXPECT_EQ(doc->getRoot().getSubcategories().front()->getCards().front()->getName(), "D");
    EXPECT_EQ(std::count_if(std::filesystem::directory_iterator(dir.path()), {}, [](const auto&) { return true; }), 1)
        << "no temporary file is left";
    doc->deleteContents();
}

// A wallet large enough for the open to read and write on several threads:
// the compacted file of a compact wallet is the same file, byte for byte, and
// the tree read back is the tree written.
TEST_F(WalletFile, LargeWalletOpensToTheSameFileAndTree)
{
    CCategory root("My Wallet", kNewWalletRootIcon, 0, false);
    for (int c = 0; c < 12; ++c) {
        auto group = std::make_unique<CCategory>(("Group " + std::to_string(c)).c_str(), 1, 0, false);
        for (int s = 0; s < 4; ++s) {
            auto category = std::make_unique<CCategory>(("Category " + std::to_string(s)).c_str(), 1, 0, false);
            for (int k = 0; k < 110; ++k)
                category->insertCard(password(("Card " + std::to_string(k % 40)).c_str(), ("secret " + std::to_string(c * 1000 + k)).c_str()));
            group->insertCategory(std::move(category));
        }
        root.insertCategory(std::move(group));
    }
    {
        CFileOutputStream out;
        ASSERT_TRUE(out.open(walletPath(), true));
        WalletPointers pointers;
        ASSERT_TRUE(writeWholeWallet(out, root, CSizedArray(), pointers));
        ASSERT_TRUE(out.close());
    }
    const Bytes written = fileBytes();
    const auto describe = [](const CCategory& tree) {
        std::string text;
        for (const auto& group : tree.getSubcategories())
            for (const auto& category : group->getSubcategories())
                for (const auto& card : category->getCards())
                    text += group->getName().str() + "/" + category->getName().str() + "/" + card->getName().str() + ":" +
                            dynamic_cast<const CCardPassword&>(*card).text(CCardPassword::Password).str() + "\n";
        return text;
    };
    for (int open = 0; open < 2; ++open) {
        ASSERT_TRUE(doc->openWalletFile(walletPath())) << open;
        EXPECT_TRUE(fileBytes() == written) << open;
        EXPECT_EQ(describe(doc->getRoot()), describe(root)) << open;
        doc->deleteContents();
    }
}

TEST_F(WalletFile, EditRecordsAreDurableBeforeTheirSlotIsWritten)
{
    FaultyFileApi disk;
    createWallet();
    disk.calls.clear();
    addCard(doc->getRoot(), freeForm("A"));
    // The card and the category, a sync, then the 4-byte slot and a sync.
    EXPECT_EQ(disk.calls, (std::vector<std::string>{"write", "write", "sync", "write", "sync"}));
    doc->deleteContents();
}

} // namespace

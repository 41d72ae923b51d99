// A node's identity: the document finds a node of its tree by it, a copy
// has an identity of its own, and a node that left the tree is not found,
// whatever node takes its memory later.
#include "DocumentFixture.h"

namespace {

class NodeIdentity : public DocumentTest {};

TEST_F(NodeIdentity, DocumentFindsEveryNodeOfItsTreeAndCopiesAreOthers)
{
    createWallet();
    CCategory& home = addCategory(doc->getRoot(), "Home");
    CCategory& garden = addCategory(home, "Garden");
    CCard& bike = addCard(garden, freeForm("Bike"));

    for (CNode* node : std::initializer_list<CNode*>{&doc->getRoot(), &home, &garden, &bike})
        EXPECT_EQ(doc->findNode(node->getNodeId()), node);
    EXPECT_NE(home.getNodeId(), garden.getNodeId());

    std::unique_ptr<CCategory> copy(home.clone());
    ASSERT_TRUE(copy);
    EXPECT_NE(copy->getNodeId(), home.getNodeId());
    EXPECT_NE(copy->getSubcategories().front()->getNodeId(), garden.getNodeId());
    EXPECT_NE(copy->getSubcategories().front()->getCards().front()->getNodeId(), bike.getNodeId());
    EXPECT_EQ(doc->findNode(copy->getNodeId()), nullptr);
}

TEST_F(NodeIdentity, NodesThatLeftTheTreeAreNotFound)
{
    createWallet();
    CCategory& home = addCategory(doc->getRoot(), "Home");
    const std::uint32_t homeId = home.getNodeId();
    const std::uint32_t cardId = addCard(home, freeForm("Bike")).getNodeId();
    const std::uint32_t looseId = addCard(doc->getRoot(), freeForm("Loose")).getNodeId();

    ASSERT_TRUE(doc->deleteCard(static_cast<CCard*>(doc->findNode(looseId))));
    EXPECT_EQ(doc->findNode(looseId), nullptr);
    // The category takes its card along.
    ASSERT_TRUE(doc->deleteCategory(&home));
    EXPECT_EQ(doc->findNode(homeId), nullptr);
    EXPECT_EQ(doc->findNode(cardId), nullptr);
    // New nodes, wherever they lie in memory, have new identities.
    CCategory& again = addCategory(doc->getRoot(), "Home");
    EXPECT_NE(again.getNodeId(), homeId);
    EXPECT_EQ(doc->findNode(homeId), nullptr);
}

TEST_F(NodeIdentity, AnotherTreeHasNoneOfTheFormerIdentities)
{
    createWallet();
    const std::uint32_t homeId = addCategory(doc->getRoot(), "Home").getNodeId();
    const std::uint32_t rootId = doc->getRoot().getNodeId();
    ASSERT_TRUE(reopen());
    EXPECT_EQ(doc->findNode(homeId), nullptr);
    EXPECT_EQ(doc->findNode(rootId), nullptr);
    ASSERT_NE(child(doc->getRoot(), "Home"), nullptr);
    EXPECT_EQ(doc->findNode(child(doc->getRoot(), "Home")->getNodeId()), child(doc->getRoot(), "Home"));
}

} // namespace

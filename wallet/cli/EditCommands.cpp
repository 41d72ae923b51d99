// Commands that change the tree, each through the document's operations:
// import, add-category, add-card, edit-card, edit-category, delete, copy, move.
#include "Commands.h"

#include "NodePath.h"
#include "TerminalText.h"
#include "WalletJson.h"
#include "WalletSession.h"
#include "cards/CardFactory.h"
#include "cards/CardFieldNames.h"
#include "cards/FieldCard.h"
#include "images/IconIndex.h"
#include "model/Category.h"
#include "model/NodeTreeState.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool openAndStart(WalletSession& session, const CommandLine& line)
{
    return session.start() && session.open(line.arguments[0]);
}

bool fail(const std::string& message)
{
    std::cerr << message << std::endl;
    return false;
}

// The parent category of a new node's path and the new node's name.
CCategory* newNodePlace(WalletSession& session, const std::string& path, CString& name)
{
    std::string error;
    const auto steps = parseNodePath(path, error);
    if (!steps || steps->empty() || steps->back().occurrence != 0) {
        fail(steps ? "\"" + path + "\" names no new node." : error);
        return nullptr;
    }
    name = steps->back().name;
    CNode* parent = session.find(std::vector<PathStep>(steps->begin(), steps->end() - 1));
    if (parent && parent->isCard())
        fail("\"" + nodePath(*parent) + "\" is a card, not a category.");
    return parent && parent->isCategory() ? static_cast<CCategory*>(parent) : nullptr;
}

// Sets the NAME=VALUE arguments on the card, as the editor takes values.
bool applyAssignments(CFieldCard& card, std::span<const std::string> assignments)
{
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos)
            return fail("\"" + assignment + "\" is not NAME=VALUE.");
        const std::string name = assignment.substr(0, equals);
        Json value;
        std::string error;
        if (!parseCardValue(card, name, assignment.substr(equals + 1), value, error) || !setCardValue(card, name, value, error))
            return fail(error);
    }
    card.applyEditRules();
    return true;
}

// The settings of add-category and edit-category that were given.
bool applyCategoryOptions(CCategory& category, const CommandLine& line)
{
    if (line.has(kOptDefaultKind)) {
        const int typeId = typeIdFromKindName(line.defaultKind);
        if (typeId < 0)
            return fail("Unknown card kind \"" + line.defaultKind + "\".");
        category.setDefaultCardType(typeId);
    }
    if (line.has(kOptIcon))
        category.setIconIndex(NodeTreeState::iconIndex().imageIndex(fromTerminal(line.icon), false));
    if (line.has(kOptNotes))
        category.getNotes() = fromTerminal(line.notes);
    if (line.has(kOptEncrypt))
        category.setEncrypted(line.encrypt);
    return true;
}

bool isWithin(const CNode& node, const CCategory& ancestor)
{
    for (const CNode* step = &node; step; step = step->getParent()) {
        if (step == &ancestor)
            return true;
    }
    return false;
}

// Reads the import file ("-" for standard input).
bool readJson(const std::string& file, Json& json)
{
    std::ifstream in;
    if (file != "-") {
        in.open(file, std::ios::binary);
        if (!in)
            return fail("Cannot open file!");
    }
    json = Json::parse(file == "-" ? std::cin : in, nullptr, false);
    if (json.is_discarded())
        return fail("\"" + file + "\" is not valid JSON.");
    return true;
}

} // namespace

int runImport(WalletSession& session, const CommandLine& line)
{
    Json json;
    std::vector<std::unique_ptr<CNode>> nodes;
    std::string error;
    if (!readJson(line.arguments[1], json))
        return 1;
    if (!importedNodes(json, nodes, error))
        return fail(error), 1;
    if (!openAndStart(session, line))
        return 1;
    CCategory* target = session.findCategory(line.has(kOptInto) ? line.into : "/");
    bool encrypted = false;
    for (const auto& node : nodes)
        encrypted = encrypted || holdsEncryption(*node);
    if (!target || !session.prepareTarget(*target, encrypted))
        return 1;
    for (auto& node : nodes) {
        if (!addNode(session.document(), *target, std::move(node)))
            return 1;
    }
    return 0;
}

int runAddCategory(WalletSession& session, const CommandLine& line)
{
    if (!openAndStart(session, line))
        return 1;
    CString name;
    CCategory* parent = newNodePlace(session, line.arguments[1], name);
    if (!parent)
        return 1;
    auto category = std::make_unique<CCategory>(name, IconNames::kDefaultCategoryIndex, parent->getDefaultCardType(), false);
    category->setIconIndex(NodeTreeState::iconIndex().variantIndex(IconNames::kDefaultCategoryIndex));
    if (!applyCategoryOptions(*category, line) || !session.prepareTarget(*parent, category->isEncrypted()))
        return 1;
    return addNode(session.document(), *parent, std::move(category)) ? 0 : 1;
}

int runAddCard(WalletSession& session, const CommandLine& line)
{
    const int typeId = typeIdFromKindName(line.arguments[2]);
    if (typeId < 0)
        return fail("Unknown card kind \"" + line.arguments[2] + "\"."), 2;
    if (!openAndStart(session, line))
        return 1;
    CString name;
    CCategory* category = newNodePlace(session, line.arguments[1], name);
    if (!category)
        return 1;
    std::unique_ptr<CCard> card = createCard(typeId);
    card->setName(name);
    if (!applyAssignments(fieldCard(*card), std::span(line.arguments).subspan(3)) || !session.prepareTarget(*category, false))
        return 1;
    return addNode(session.document(), *category, std::move(card)) ? 0 : 1;
}

int runEditCard(WalletSession& session, const CommandLine& line)
{
    if (!openAndStart(session, line))
        return 1;
    CNode* node = session.find(line.arguments[1]);
    if (!node)
        return 1;
    if (node->isCategory())
        return fail("\"" + nodePath(*node) + "\" is a category: use edit-category."), 1;
    auto& card = static_cast<CCard&>(*node);
    if (!applyAssignments(fieldCard(card), std::span(line.arguments).subspan(2)))
        return 1;
    return session.document().updateCard(card) ? 0 : (fail("Warning!\nCannot update card in storage!"), 1);
}

int runEditCategory(WalletSession& session, const CommandLine& line)
{
    if (!openAndStart(session, line))
        return 1;
    CCategory* category = session.findCategory(line.arguments[1]);
    if (!category || !session.openCards(*category))
        return 1;
    const bool wasEncrypted = category->isEncrypted();
    if (line.has(kOptEncrypt) && line.encrypt && !wasEncrypted && !session.document().ensureKeyForEncryption())
        return 1;
    if (line.has(kOptName))
        category->setName(fromTerminal(line.name));
    if (!applyCategoryOptions(*category, line))
        return 1;
    const bool encryptionChanged = category->isEncrypted() != wasEncrypted;
    if (!session.document().updateCategory(*category, encryptionChanged))
        return fail("Warning!\nCannot update category in storage!"), 1;
    return 0;
}

int runDelete(WalletSession& session, const CommandLine& line)
{
    if (!openAndStart(session, line))
        return 1;
    CNode* node = session.find(line.arguments[1]);
    if (!node)
        return 1;
    if (!node->getParent())
        return fail("The wallet's root category cannot be deleted."), 1;
    CWalletDoc& doc = session.document();
    const CString name = node->getName();
    if (node->isCard()) {
        if (session.ui().messageBox("Delete '" + name + "'.\n Are you sure?", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return 1;
        return doc.deleteCard(static_cast<CCard*>(node)) ? 0 : (fail("Warning!\nCannot delete card in storage"), 1);
    }
    if (session.ui().messageBox("Delete category '" + name + "'. Are you sure?", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 1;
    return doc.deleteCategory(static_cast<CCategory*>(node)) ? 0 : (fail("Warning!\nCannot delete category in storage"), 1);
}

namespace {

// Copy, and for a move the delete at the source after it.
int copyNode(WalletSession& session, const CommandLine& line, bool move)
{
    if (!openAndStart(session, line))
        return 1;
    CNode* node = session.find(line.arguments[1]);
    CCategory* target = node ? session.findCategory(line.arguments[2]) : nullptr;
    if (!target)
        return 1;
    if (!node->getParent())
        return fail("The wallet's root category cannot be copied or moved."), 1;
    if (node->isCategory() && isWithin(*target, static_cast<CCategory&>(*node)))
        return fail("A category cannot go into itself or below itself."), 1;
    if (move && node->getParent() == target)
        return fail("\"" + nodePath(*node) + "\" is already there."), 1;
    CWalletDoc& doc = session.document();
    if (!session.prepareTarget(*target, holdsEncryption(*node)) || !doc.pasteNode(*node, *target))
        return 1;
    if (!move)
        return 0;
    if (node->isCard())
        return doc.deleteCard(static_cast<CCard*>(node)) ? 0 : (fail("Warning!\nCannot delete card in storage"), 1);
    return doc.deleteCategory(static_cast<CCategory*>(node)) ? 0 : (fail("Warning!\nCannot delete category in storage"), 1);
}

} // namespace

int runCopy(WalletSession& session, const CommandLine& line) { return copyNode(session, line, false); }

int runMove(WalletSession& session, const CommandLine& line) { return copyNode(session, line, true); }

#include "WalletJson.h"

#include "TerminalText.h"
#include "cards/CardFactory.h"
#include "cards/CardFieldNames.h"
#include "cards/CardTypeTable.h"
#include "cards/FieldCard.h"
#include "images/IconIndex.h"
#include "model/Category.h"
#include "model/NodeTreeState.h"

namespace {

// Keys every node has besides the card values.
constexpr const char* kNodeKeys[] = {"kind", "typeId", "name", "icon", "notes", "modified"};
constexpr const char* kCategoryKeys[] = {"defaultCardType", "encrypted", "sealedCards", "children"};

bool isOneOf(const std::string& key, std::span<const char* const> keys)
{
    for (const char* known : keys) {
        if (key == known)
            return true;
    }
    return false;
}

std::string where(const Json& json)
{
    const auto name = json.find("name");
    return name != json.end() && name->is_string() ? " \"" + name->get<std::string>() + "\"" : std::string(" (unnamed)");
}

// The type id the object names through "kind" and "typeId"; kNoKind with `error` when they are missing or disagree.
int jsonTypeId(const Json& json, std::string& error)
{
    const auto kind = json.find("kind");
    const auto typeId = json.find("typeId");
    int fromKind = kNoKind;
    if (kind != json.end())
        fromKind = kind->is_string() ? typeIdFromKindName(kind->get<std::string>()) : kNoKind;
    int fromId = kNoKind;
    if (typeId != json.end())
        fromId = typeId->is_number_integer() ? typeIdFromKindName(std::to_string(typeId->get<std::int64_t>())) : kNoKind;
    if (kind == json.end() && typeId == json.end())
        error = "A node" + where(json) + " has neither \"kind\" nor \"typeId\".";
    else if ((kind != json.end() && fromKind == kNoKind) || (typeId != json.end() && fromId == kNoKind))
        error = "A node" + where(json) + " names an unknown kind.";
    else if (kind != json.end() && typeId != json.end() && fromKind != fromId)
        error = "A node" + where(json) + " has a \"kind\" and a \"typeId\" that disagree.";
    else
        return kind != json.end() ? fromKind : fromId;
    return kNoKind;
}

bool takeText(const Json& json, const char* key, CString& out, std::string& error)
{
    const auto value = json.find(key);
    if (value == json.end())
        return true;
    if (!value->is_string()) {
        error = "\"" + std::string(key) + "\" of" + where(json) + " must be a text.";
        return false;
    }
    out = fromTerminal(value->get<std::string>());
    return true;
}

// Name, notes, icon and time; the time last, since naming a node sets it to now.
bool takeNodePart(const Json& json, CNode& node, std::string& error)
{
    CString name;
    CString icon;
    if (!takeText(json, "name", name, error) || !takeText(json, "notes", node.getNotes(), error) || !takeText(json, "icon", icon, error))
        return false;
    node.setName(name);
    if (json.contains("icon"))
        node.setIconIndex(NodeTreeState::iconIndex().imageIndex(icon, node.isCard()));
    if (const auto modified = json.find("modified"); modified != json.end()) {
        if (!modified->is_number_integer()) {
            error = "\"modified\" of" + where(json) + " must be a whole number of seconds.";
            return false;
        }
        node.setModifiedTime(modified->get<std::int64_t>());
    }
    return true;
}

std::unique_ptr<CNode> cardFromJson(const Json& json, int typeId, std::string& error)
{
    std::unique_ptr<CCard> card = createCard(typeId);
    CFieldCard& values = fieldCard(*card);
    for (const auto& [key, value] : json.items()) {
        if (isOneOf(key, kNodeKeys) || key == "fields")
            continue;
        if (isOneOf(key, kCategoryKeys) || !setCardValue(values, key, value, error)) {
            error = (error.empty() ? "\"" + key + "\" belongs to categories" : error) + " (card" + where(json) + ")";
            return nullptr;
        }
    }
    if (const auto fields = json.find("fields"); fields != json.end()) {
        if (!fields->is_object()) {
            error = "\"fields\" of" + where(json) + " must be an object.";
            return nullptr;
        }
        for (const auto& [key, value] : fields->items()) {
            if (kindFieldIndex(typeId, key) < 0 || !setCardValue(values, key, value, error)) {
                error = (error.empty() ? "A " + std::string(cardTypeRow(typeId).displayName) + " has no field \"" + key + "\"" : error) +
                    " (card" + where(json) + ")";
                return nullptr;
            }
        }
    }
    // An enumeration index left out is worked out from its text, as the editor does.
    const int indexField = values.getKind().enumeration.indexField;
    const auto fields = json.find("fields");
    if (indexField != kNoField && (fields == json.end() || !fields->contains(kindFieldNames(typeId)[static_cast<std::size_t>(indexField)])))
        values.applyEditRules();
    else
        values.applyLengthRules();
    if (!takeNodePart(json, *card, error))
        return nullptr;
    return card;
}

std::unique_ptr<CNode> categoryFromJson(const Json& json, std::string& error)
{
    for (const auto& item : json.items()) {
        if (!isOneOf(item.key(), kNodeKeys) && !isOneOf(item.key(), kCategoryKeys)) {
            error = "A category" + where(json) + " has no value \"" + item.key() + "\".";
            return nullptr;
        }
    }
    auto category = std::make_unique<CCategory>(CString(), IconNames::kDefaultCategoryIndex, 0, false);
    if (const auto sealed = json.find("sealedCards"); sealed != json.end() && !(sealed->is_number_integer() && *sealed == 0)) {
        error = "The category" + where(json) + " holds sealed cards, which cannot be imported: dump it with --decrypt.";
        return nullptr;
    }
    if (const auto type = json.find("defaultCardType"); type != json.end()) {
        if (!type->is_number_integer() || *type < 0 || *type >= IconNames::kCardTypeCount) {
            error = "\"defaultCardType\" of" + where(json) + " must be a card type id from 0 to 26.";
            return nullptr;
        }
        category->setDefaultCardType(type->get<int>());
    }
    if (const auto encrypted = json.find("encrypted"); encrypted != json.end()) {
        if (!encrypted->is_boolean()) {
            error = "\"encrypted\" of" + where(json) + " must be true or false.";
            return nullptr;
        }
        category->setEncrypted(encrypted->get<bool>());
    }
    if (const auto children = json.find("children"); children != json.end()) {
        if (!children->is_array()) {
            error = "\"children\" of" + where(json) + " must be an array.";
            return nullptr;
        }
        for (const Json& child : *children) {
            std::unique_ptr<CNode> node = nodeFromJson(child, error);
            if (!node)
                return nullptr;
            if (node->isCategory())
                category->insertCategory(std::unique_ptr<CCategory>(static_cast<CCategory*>(node.release())));
            else
                category->insertCard(std::unique_ptr<CCard>(static_cast<CCard*>(node.release())));
        }
    }
    if (!takeNodePart(json, *category, error))
        return nullptr;
    return category;
}

} // namespace

Json nodeToJson(const CNode& node)
{
    Json json = Json::object();
    json["kind"] = cardTypeRow(node.getTypeId()).displayName;
    json["typeId"] = node.getTypeId();
    json["name"] = toTerminal(node.getName());
    json["icon"] = toTerminal(NodeTreeState::iconIndex().iconName(node.getIconIndex()));
    json["notes"] = toTerminal(node.getNotes());
    json["modified"] = node.getModifiedTime();
    if (node.isCard()) {
        writeCardValues(fieldCard(static_cast<const CCard&>(node)), json);
        return json;
    }
    const auto& category = static_cast<const CCategory&>(node);
    json["defaultCardType"] = category.getDefaultCardType();
    json["encrypted"] = category.isEncrypted();
    json["sealedCards"] = category.getSealedCards().size();
    Json children = Json::array();
    for (const auto& sub : category.getSubcategories())
        children.push_back(nodeToJson(*sub));
    for (const auto& card : category.getCards())
        children.push_back(nodeToJson(*card));
    json["children"] = std::move(children);
    return json;
}

std::unique_ptr<CNode> nodeFromJson(const Json& json, std::string& error)
{
    if (!json.is_object()) {
        error = "A node must be a JSON object.";
        return nullptr;
    }
    const int typeId = jsonTypeId(json, error);
    if (typeId == kNoKind)
        return nullptr;
    return typeId == CNode::kCategoryTypeId ? categoryFromJson(json, error) : cardFromJson(json, typeId, error);
}

bool importedNodes(const Json& json, std::vector<std::unique_ptr<CNode>>& nodes, std::string& error)
{
    if (json.is_object() && json.contains("root")) {
        const Json& root = json["root"];
        if (!root.is_object() || !root.contains("children") || !root["children"].is_array()) {
            error = "The dump's \"root\" holds no \"children\" array.";
            return false;
        }
        return importedNodes(root["children"], nodes, error);
    }
    if (!json.is_array())
        return importedNodes(Json::array({json}), nodes, error);
    for (const Json& element : json) {
        std::unique_ptr<CNode> node = nodeFromJson(element, error);
        if (!node)
            return false;
        nodes.push_back(std::move(node));
    }
    return true;
}

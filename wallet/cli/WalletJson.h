// The wallet as JSON (the dump) and JSON as new nodes (the import).
//
// A node is an object with "kind" (the display name of its type, "Category"
// for a category), "typeId", "name", "icon" (the icon's name), "notes" and
// "modified" (seconds since 1970, UTC). A category adds "defaultCardType"
// (a type id), "encrypted", "sealedCards" (how many of its cards are still
// sealed and therefore not listed) and "children" (its subcategories, then
// its cards, each list in its order). A card adds the settings of
// CardValues.h and "fields", the fields of its kind by name. The dump wraps
// the root as {"format": "keldra-dump", "formatVersion": 1, "file": {...},
// "root": {...}}.
#pragma once

#include "CardValues.h"

#include <memory>

class CCategory;
class CNode;

Json nodeToJson(const CNode& node);

// The node a JSON object describes, with its subtree. Values left out keep
// the settings of a new node; "typeId" may stand in for "kind". Null, with
// `error` naming the place, when the object is not a valid node.
std::unique_ptr<CNode> nodeFromJson(const Json& json, std::string& error);

// The nodes an import file holds: a whole dump gives its root's children, a
// node object itself, an array its elements.
bool importedNodes(const Json& json, std::vector<std::unique_ptr<CNode>>& nodes, std::string& error);

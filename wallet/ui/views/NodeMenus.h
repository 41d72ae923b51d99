// The context menu of a category or a card, the same in the tree and the list.
#pragma once

#include <utility>
#include <vector>

class CNode;

using MenuItems = std::vector<std::pair<int, const char*>>;

// The commands and captions of the node's menu; id 0 is a separator.
const MenuItems& nodeMenuItems(const CNode& node);

// Making nodes from the type id that starts every record.
#pragma once

#include "Node.h"

#include <memory>

// An empty category (-1) or card (0 to 26) whose record lies at `position`;
// null for any other type id.
std::unique_ptr<CNode> createNode(int typeId, std::uint32_t position);

// Reads the record at the stream's position: its type id, then the node's own
// fields. `node` receives the node even when its fields fail to load; false
// when the type id cannot be read or names no kind of node.
bool readNode(ZenthoIO::CInputStream& in, std::unique_ptr<CNode>& node, unsigned int version);

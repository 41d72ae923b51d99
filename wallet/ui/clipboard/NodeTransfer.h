// What Paste and a drop do with a node: a copy of it (with everything under
// it) goes into the target category through the document; a move then
// deletes the node at its place.
#pragma once

class CCategory;
class CNode;
struct UiServices;

// Whether `node` may go into `target`: never into itself nor into a
// category below it.
bool canReceive(const CCategory& target, const CNode& node);

// Copies `node` into `target` (the password is asked for when an encrypted
// category is to be copied or filled) and, when `move`, deletes `node`
// afterwards. A node that cannot go there is refused quietly; any other
// failure is told with "Clipboard operation fail!". False unless all of it
// was done.
bool transferNode(UiServices& services, CNode& node, CCategory& target, bool move);

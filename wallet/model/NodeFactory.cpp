#include "NodeFactory.h"

#include "Category.h"
#include "StreamValues.h"
// The one place where the model reaches up into the card kinds, and on
// purpose: reading a tree must make the card a record's type id names. The
// rest of the model knows cards only as CCard.
#include "cards/CardFactory.h"

std::unique_ptr<CNode> createNode(int typeId, std::uint32_t position)
{
    std::unique_ptr<CNode> node;
    if (typeId == CNode::kCategoryTypeId)
        node = std::make_unique<CCategory>();
    else
        node = createCard(typeId);
    if (node)
        node->setRecordPosition(position);
    return node;
}

bool readNode(ZenthoIO::CInputStream& in, std::unique_ptr<CNode>& node, unsigned int version)
{
    std::uint32_t position = 0;
    int typeId = 0;
    if (!in.getCurrentStreamPosition(position) || !read(in, typeId))
        return false;
    node = createNode(typeId, position);
    return node && node->load(in, version);
}

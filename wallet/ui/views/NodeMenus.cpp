#include "views/NodeMenus.h"

#include "frame/CommandIds.h"
#include "model/Node.h"

const MenuItems& nodeMenuItems(const CNode& node)
{
    static const MenuItems category = {
        {CommandId::NewCard, "New Card"}, {CommandId::NewCategory, "New Category"}, {0, ""},
        {CommandId::EditCategory, "Edit"}, {CommandId::DeleteCategory, "Delete"},  {0, ""},
        {CommandId::Cut, "Cut"},           {CommandId::Copy, "Copy"},              {CommandId::Paste, "Paste"},
    };
    static const MenuItems card = {
        {CommandId::EditCard, "Edit"}, {CommandId::DeleteCard, "Delete"}, {0, ""},
        {CommandId::Cut, "Cut"},       {CommandId::Copy, "Copy"},
    };
    return node.isCategory() ? category : card;
}

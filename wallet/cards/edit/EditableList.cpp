#include "EditableList.h"

ListChoice editableListChoice(const Enumeration& enumeration, const CString& text, int index, bool ownTextFirst)
{
    ListChoice choice;
    for (const char* entry : enumeration.list)
        choice.entries.emplace_back(entry);
    const bool listed = index >= 0 && static_cast<std::size_t>(index) < choice.entries.size();
    if (listed) {
        choice.selected = index;
    } else if (ownTextFirst) {
        choice.entries.front() = text;
        choice.selected = 0;
    } else {
        choice.entries.insert(choice.entries.begin() + 1, text);
        choice.selected = 1;
    }
    return choice;
}

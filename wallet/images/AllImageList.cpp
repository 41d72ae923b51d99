#include "AllImageList.h"

int CAllImageList::add(HICON icon, const CString& name, bool loaded)
{
    const int index = append(icon, loaded);
    if (index >= 0 && m_nameMap.emplace(name, index).second)
        m_names.push_back(name);
    return index;
}

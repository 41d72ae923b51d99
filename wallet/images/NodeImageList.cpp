#include "NodeImageList.h"

namespace {

bool inSlots(int i) { return i >= 0 && i < CNodeImageList::kSlots; }

} // namespace

CNodeImageList::CNodeImageList(CImageServer& server) : CExtimageList(server)
{
    m_positionToIndex.fill(-1);
    m_indexToPosition.fill(-1);
    m_nameMap.reserve(56);
}

int CNodeImageList::addAt(HICON icon, int position, const CString& name, bool loaded)
{
    if (!inSlots(position))
        return -1;
    const int index = append(icon, loaded);
    if (!inSlots(index))
        return index;
    m_positionToIndex[static_cast<std::size_t>(position)] = index;
    m_indexToPosition[static_cast<std::size_t>(index)] = position;
    m_indexToName[static_cast<std::size_t>(index)] = name;
    m_nameMap[name] = index;
    return index;
}

int CNodeImageList::imageIndexAt(int position) const
{
    return inSlots(position) ? m_positionToIndex[static_cast<std::size_t>(position)] : -1;
}

int CNodeImageList::positionOf(int index) const
{
    return inSlots(index) ? m_indexToPosition[static_cast<std::size_t>(index)] : -1;
}

CString CNodeImageList::nameOf(int index) const
{
    return inSlots(index) ? m_indexToName[static_cast<std::size_t>(index)] : CString();
}

#include "ExtImageList.h"

#include "ImageServer.h"
#include "ImageTexts.h"

bool CExtimageList::replace(int index, HICON icon)
{
    if (!Replace(index, icon))
        return false;
    setLoaded(index, true);
    return true;
}

bool CExtimageList::isLoaded(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_loaded.size() * 8))
        return false;
    return (m_loaded[static_cast<std::size_t>(index / 8)].load() >> (index % 8)) & 1;
}

void CExtimageList::setLoaded(int index, bool loaded)
{
    if (index < 0 || index >= static_cast<int>(m_loaded.size() * 8))
        return;
    const BYTE bit = static_cast<BYTE>(1u << (index % 8));
    std::atomic<BYTE>& byte = m_loaded[static_cast<std::size_t>(index / 8)];
    if (loaded)
        byte.fetch_or(bit);
    else
        byte.fetch_and(static_cast<BYTE>(~bit));
}

DWORD CExtimageList::indexOfName(const CString& name, bool loadIfNeeded)
{
    const auto found = m_nameMap.find(name);
    if (found == m_nameMap.end())
        return kNoImage;
    if (loadIfNeeded && !isLoaded(found->second))
        m_server.CreateIcon(name);
    return static_cast<DWORD>(found->second);
}

int CExtimageList::append(HICON icon, bool loaded)
{
    if (GetImageCount() >= kMaxImages) {
        m_server.reportImageLimit();
        return -1;
    }
    const int index = Add(icon);
    if (index >= 0)
        setLoaded(index, loaded);
    return index;
}

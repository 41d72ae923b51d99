#include "ImageList.h"

bool CImageList::Create(int cx, int cy, UINT, int initial, int grow)
{
    if (cx < 1 || cy < 1 || initial < 0 || grow < 0)
        return false;
    std::lock_guard guard(m_lock);
    m_created = true;
    m_cx = cx;
    m_cy = cy;
    m_images.clear();
    m_images.reserve(static_cast<std::size_t>(initial));
    return true;
}

bool CImageList::IsCreated() const
{
    std::lock_guard guard(m_lock);
    return m_created;
}

SIZE CImageList::GetImageSize() const
{
    std::lock_guard guard(m_lock);
    return SIZE{m_cx, m_cy};
}

int CImageList::GetImageCount() const
{
    std::lock_guard guard(m_lock);
    return static_cast<int>(m_images.size());
}

// The icon stretched to the list's size by taking the nearest pixel.
std::vector<DWORD> CImageList::scaled(HICON icon) const
{
    const SIZE size = GetIconSize(icon);
    const std::vector<DWORD>& pixels = GetIconPixels(icon);
    if (size.cx == m_cx && size.cy == m_cy)
        return pixels;
    std::vector<DWORD> out(static_cast<std::size_t>(m_cx) * m_cy);
    for (int y = 0; y < m_cy; ++y)
        for (int x = 0; x < m_cx; ++x)
            out[static_cast<std::size_t>(y) * m_cx + x]
                = pixels[static_cast<std::size_t>(y * size.cy / m_cy) * size.cx + x * size.cx / m_cx];
    return out;
}

int CImageList::Add(HICON icon)
{
    std::lock_guard guard(m_lock);
    if (!m_created || !icon)
        return -1;
    m_images.push_back(scaled(icon));
    return static_cast<int>(m_images.size()) - 1;
}

bool CImageList::Replace(int index, HICON icon)
{
    std::lock_guard guard(m_lock);
    if (!icon || index < 0 || index >= static_cast<int>(m_images.size()))
        return false;
    m_images[static_cast<std::size_t>(index)] = scaled(icon);
    return true;
}

HICON CImageList::ExtractIcon(int index) const
{
    std::lock_guard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_images.size()))
        return nullptr;
    return CreateIconFromPixels(m_cx, m_cy, m_images[static_cast<std::size_t>(index)]);
}

std::vector<DWORD> CImageList::GetImagePixels(int index) const
{
    std::lock_guard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_images.size()))
        return {};
    return m_images[static_cast<std::size_t>(index)];
}

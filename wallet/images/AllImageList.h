// The list of every icon of the catalogue, in one size.
#pragma once

#include "ExtImageList.h"

#include <vector>

class CAllImageList : public CExtimageList {
public:
    using CExtimageList::CExtimageList;

    // Appends `icon` under `name`; a name already there keeps its first index.
    // The new index, or -1 at the image limit.
    int add(HICON icon, const CString& name, bool loaded);
    // Every distinct name once, in the order first added.
    const std::vector<CString>& names() const { return m_names; }

private:
    std::vector<CString> m_names;
};

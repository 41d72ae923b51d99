// The list of the 27 card-type icons, in one size, at the positions of the card type ids.
#pragma once

#include "ExtImageList.h"

#include <array>

class CNodeImageList : public CExtimageList {
public:
    static constexpr int kSlots = 28;

    explicit CNodeImageList(CImageServer& server);

    // Appends `icon` for card-type `position` under `name` (a later add under
    // the same name takes the name over). The new index, or -1 at the image limit.
    int addAt(HICON icon, int position, const CString& name, bool loaded);
    // The image index of a position, -1 when none was added there.
    int imageIndexAt(int position) const;
    int positionOf(int index) const;
    // The name an image was added under, empty when none.
    CString nameOf(int index) const;

private:
    std::array<int, kSlots> m_positionToIndex;
    std::array<int, kSlots> m_indexToPosition;
    std::array<CString, kSlots> m_indexToName;
};

#include "Card.h"

#include "StreamValues.h"
#include "images/IconNames.h"

namespace {

// The display flags packed into one word.
constexpr unsigned int kPlayOnOpenBit = 1u << 0;
constexpr unsigned int kShowIconBit = 1u << 1;
constexpr unsigned int kReservedBit = 1u << 2;
constexpr unsigned int kBorderBit = 1u << 3;

std::optional<CString> pathFromStored(CString stored)
{
    if (stored.IsEmpty())
        return std::nullopt;
    return stored;
}

} // namespace

CCard::CCard(int typeId, std::uint32_t position) : CNode(typeId, position)
{
    iconIndex = IconNames::cardTypeIconIndex(typeId);
}

bool CCard::save(COutputStream& out)
{
    const unsigned int flags = (playOnOpen ? kPlayOnOpenBit : 0) | (showIcon ? kShowIconBit : 0) | (reservedFlag ? kReservedBit : 0) |
                               (border ? kBorderBit : 0);
    return notePosition(out) && write(out, typeId) && CNode::save(out) && write(out, static_cast<unsigned int>(cardColor)) &&
           write(out, static_cast<unsigned int>(textColor)) && write(out, hiddenMode) && write(out, cornerSetting) && write(out, flags) &&
           write(out, picturePath.value_or(CString())) && write(out, soundPath.value_or(CString())) && write(out, picturePlacement);
}

bool CCard::load(ZenthoIO::CInputStream& in, unsigned int version)
{
    unsigned int card = 0, text = 0, flags = 0;
    CString picture, sound;
    if (!(CNode::load(in, version) && read(in, card) && read(in, text) && read(in, hiddenMode) && read(in, cornerSetting) &&
          read(in, flags) && read(in, picture) && read(in, sound) && read(in, picturePlacement)))
        return false;
    cardColor = card;
    textColor = text;
    if (hiddenMode < kNothingHidden || hiddenMode > kHideHidden)
        hiddenMode = kNothingHidden;
    const bool legacy = version < 2;
    if (legacy && cornerSetting != 0 && cornerSetting != 1)
        cornerSetting = 0;
    if (legacy && (picturePlacement < kNoPicture || picturePlacement > kTiledPicture))
        picturePlacement = kCentredPicture;
    playOnOpen = (flags & kPlayOnOpenBit) != 0;
    showIcon = (flags & kShowIconBit) != 0;
    reservedFlag = (flags & kReservedBit) != 0;
    border = (flags & kBorderBit) != 0;
    picturePath = pathFromStored(std::move(picture));
    soundPath = pathFromStored(std::move(sound));
    return true;
}

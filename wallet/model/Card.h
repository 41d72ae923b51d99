// What every card kind shares: its colours and display settings, its picture
// and sound, and the part of the record that stores them.
#pragma once

#include "Node.h"
#include "platform/WinTypes.h"

#include <optional>

class CCard : public CNode {
public:
    // How a card treats its hidden fields.
    enum HiddenMode { kNothingHidden = 0, kShowHidden = 1, kHideHidden = 2 };

    static constexpr COLORREF kWhite = 0xFFFFFF;
    static constexpr COLORREF kBlack = 0x000000;
    // Picture placements: none, the nine cells of a 3 x 3 grid row by row, tiled.
    static constexpr int kNoPicture = 0;
    static constexpr int kCentredPicture = 5;
    static constexpr int kTiledPicture = 10;

    CCard* clone() override = 0;
    bool save(COutputStream& out) override;
    bool load(ZenthoIO::CInputStream& in, unsigned int version) override;

    // Writes the card's lines of the text export.
    virtual bool exportText(COutputStream& out) = 0;
    // Whether `text` occurs in one of the searched fields. Without
    // `caseSensitive` the fields are lower-cased and `text` is taken as given.
    virtual bool matches(const CString& text, bool includeHidden, bool caseSensitive) const = 0;

    COLORREF getCardColor() const { return cardColor; }
    void setCardColor(COLORREF color) { cardColor = color; }
    COLORREF getTextColor() const { return textColor; }
    void setTextColor(COLORREF color) { textColor = color; }
    int getHiddenMode() const { return hiddenMode; }
    void setHiddenMode(int mode) { hiddenMode = mode; }
    int getCornerSetting() const { return cornerSetting; }
    // No editor changes it; a record copied field by field keeps its value.
    void setCornerSetting(int setting) { cornerSetting = setting; }
    int getPicturePlacement() const { return picturePlacement; }
    void setPicturePlacement(int placement) { picturePlacement = placement; }
    bool getPlayOnOpen() const { return playOnOpen; }
    void setPlayOnOpen(bool on) { playOnOpen = on; }
    bool getBorder() const { return border; }
    void setBorder(bool on) { border = on; }
    bool getShowIcon() const { return showIcon; }
    void setShowIcon(bool on) { showIcon = on; }
    bool getReservedFlag() const { return reservedFlag; }
    void setReservedFlag(bool on) { reservedFlag = on; }
    const std::optional<CString>& getPicturePath() const { return picturePath; }
    void setPicturePath(std::optional<CString> path) { picturePath = std::move(path); }
    const std::optional<CString>& getSoundPath() const { return soundPath; }
    void setSoundPath(std::optional<CString> path) { soundPath = std::move(path); }
    // Set when the picture changed and the display has not reloaded it yet.
    bool getPictureReload() const { return pictureReload; }
    void setPictureReload(bool on) { pictureReload = on; }

protected:
    // A card with the settings of a new card and its type's default icon.
    CCard(int typeId, std::uint32_t position = kNoPosition);
    CCard(const CCard&) = default;

private:
    COLORREF cardColor = kWhite;
    COLORREF textColor = kBlack;
    int hiddenMode = kNothingHidden;
    int cornerSetting = 0;
    int picturePlacement = kNoPicture;
    bool playOnOpen = true;
    bool border = true;
    bool showIcon = true;
    bool reservedFlag = false;
    std::optional<CString> picturePath;
    std::optional<CString> soundPath;
    bool pictureReload = false;
};

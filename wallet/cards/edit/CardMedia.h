// The "Media" page of the card editor: the picture with its placement and
// the sound with its "Play On Open" setting.
#pragma once

#include "CardDialog.h"
#include "platform/CString.h"

#include <optional>

class CCard;
class CCardSound;
class ICardEditorChoosers;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;

class CCardMedia : public CCardDialog {
    Q_OBJECT
public:
    static constexpr int kPictureLinkId = 1033;
    static constexpr int kPictureUnlinkId = 1030;
    static constexpr int kSoundLinkId = 1153;
    static constexpr int kPlayId = 1134;
    static constexpr int kStopId = 1032;
    static constexpr int kSoundUnlinkId = 1031;
    static constexpr int kPlayOnOpenId = 1155;
    // The placement buttons, for placement 1 to 9 (the 3 x 3 grid row by row) and 10 ("Tile").
    static constexpr int kPlacementIds[] = {1101, 1103, 1102, 1106, 1104, 1108, 1107, 1105, 1109, 1111};

    // Edits `card`'s media, or a new card's without one. Chosen files below
    // `programDir` (native) are kept relative to it.
    CCardMedia(const CCard* card, ICardEditorChoosers& choosers, const QString& programDir, QWidget* parent = nullptr);

    void applyTo(CCard& card) const;
    // 0 for no choice, 1 to 9 the grid cells, 10 tiled.
    int placement() const;

private:
    void linkPicture();
    void unlinkPicture();
    void linkSound();
    void unlinkSound();
    // "Play" plays the sound without holding the page; "Stop" ends it.
    void playSound();
    void soundEnded();
    void showPicture();
    void showSound();

    ICardEditorChoosers& m_choosers;
    QString m_programDir;
    std::optional<CString> m_picturePath;
    std::optional<CString> m_soundPath;
    bool m_pictureChanged = false;

    QPushButton* m_pictureLink;
    QPushButton* m_pictureUnlink;
    QLabel* m_pictureName;
    QButtonGroup* m_placements;
    QPushButton* m_soundLink;
    QPushButton* m_play;
    QPushButton* m_stop;
    QPushButton* m_soundUnlink;
    QCheckBox* m_playOnOpen;
    QLabel* m_soundName;
    CCardSound* m_sound;
};

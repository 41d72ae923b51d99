// The display of a free-form card: no painted fields, the notes box fills the
// card and shows the card's text. Two hidden radio buttons, "Small" and
// "Large", carry the card's small-font flag.
#pragma once

#include "ShowCardDialog.h"

class CCardFreeForm;
class QRadioButton;

class CCardFreeFormShow : public CShowCardDialog {
    Q_OBJECT

public:
    static constexpr int kSmallId = 1158;
    static constexpr int kLargeId = 1159;

    CCardFreeFormShow(CCardFreeForm& card, ICardSoundPlayer& sound, const CString& programDir, QWidget* parent = nullptr);

private:
    void showFontChoice();

    CCardFreeForm& m_freeForm;
    QRadioButton* m_small;
    QRadioButton* m_large;
};

// The "Properties" page of the card editor: the card and text colours, the
// border, the icon and whether hidden fields are shown.
#pragma once

#include "platform/WinTypes.h"

#include <QWidget>

class CCard;
class ICardEditorChoosers;
class QCheckBox;
class QLabel;
class QRadioButton;

class CCardProperties : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCardColorId = 1030;
    static constexpr int kTextColorId = 1031;
    static constexpr int kBorderId = 1147;
    static constexpr int kShowIconId = 1148;
    static constexpr int kShowId = 1149;
    static constexpr int kHideId = 1156;
    static constexpr int kHiddensId = 1166;

    // Edits `card`'s settings, or, without one, a new card's of `typeId`.
    CCardProperties(const CCard* card, int typeId, bool hasHiddenFields, ICardEditorChoosers& choosers, QWidget* parent = nullptr);

    void applyTo(CCard& card) const;
    COLORREF cardColor() const { return m_cardColor; }
    COLORREF textColor() const { return m_textColor; }

private:
    void chooseColor(COLORREF& color, QLabel* swatch);

    ICardEditorChoosers& m_choosers;
    bool m_hasHiddenFields;
    COLORREF m_cardColor;
    COLORREF m_textColor;
    QLabel* m_cardSwatch;
    QLabel* m_textSwatch;
    QCheckBox* m_border;
    QCheckBox* m_showIcon;
    QRadioButton* m_hide;
};

#include "CardFreeFormShow.h"

#include "cards/CardFreeForm.h"
#include "cards/edit/ControlId.h"

#include <QButtonGroup>
#include <QRadioButton>

CCardFreeFormShow::CCardFreeFormShow(CCardFreeForm& card, ICardSoundPlayer& sound, const CString& programDir, QWidget* parent)
    : CShowCardDialog(card, *cardDisplayLayout(card.getTypeId()), sound, programDir, parent), m_freeForm(card),
      m_small(named(new QRadioButton(QStringLiteral("Small"), this), kSmallId)),
      m_large(named(new QRadioButton(QStringLiteral("Large"), this), kLargeId))
{
    auto* choice = new QButtonGroup(this);
    choice->addButton(m_small);
    choice->addButton(m_large);
    m_small->hide();
    m_large->hide();
    showFontChoice();
    // An edit through a click may have changed the flag.
    connect(this, &CShowCardDialog::cardChanged, this, &CCardFreeFormShow::showFontChoice);
}

void CCardFreeFormShow::showFontChoice() { (m_freeForm.isSmallFont() ? m_small : m_large)->setChecked(true); }

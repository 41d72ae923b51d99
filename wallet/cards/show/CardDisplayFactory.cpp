#include "CardDisplayFactory.h"

#include "CardCreditCardShow.h"
#include "CardFreeFormShow.h"
#include "ShowCardDialog.h"
#include "cards/CardCreditCard.h"
#include "cards/CardFreeForm.h"
#include "cards/FieldCard.h"

CShowCardDialog* createCardDisplay(CCard& card, ICardSoundPlayer& sound, const CString& programDir, QWidget* parent)
{
    if (auto* creditCard = dynamic_cast<CCardCreditCard*>(&card))
        return new CCardCreditCardShow(*creditCard, sound, programDir, parent);
    if (auto* freeForm = dynamic_cast<CCardFreeForm*>(&card))
        return new CCardFreeFormShow(*freeForm, sound, programDir, parent);
    auto* fieldCard = dynamic_cast<CFieldCard*>(&card);
    const CardDisplayLayout* layout = cardDisplayLayout(card.getTypeId());
    if (!fieldCard || !layout)
        return nullptr;
    return new CShowCardDialog(*fieldCard, *layout, sound, programDir, parent);
}

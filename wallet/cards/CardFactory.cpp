#include "CardFactory.h"

#include "CardKinds.h"
#include "CardTypeTable.h"

namespace {

template <class Card> std::unique_ptr<CCard> makeCard() { return std::make_unique<Card>(); }

using CardMaker = std::unique_ptr<CCard> (*)();

constexpr CardMaker kMakers[] = {
    makeCard<CCardBankAccount>,
    makeCard<CCardBirthdayCard>,
    makeCard<CCardCalling>,
    makeCard<CCardCarInfo>,
    makeCard<CCardClothesSize>,
    makeCard<CCardCombinationLock>,
    makeCard<CCardContact>,
    makeCard<CCardCreditCard>,
    makeCard<CCardDriversLicense>,
    makeCard<CCardEmergensyNumbers>,
    makeCard<CCardFreeForm>,
    makeCard<CCardGeneralPurpose>,
    makeCard<CCardHealthNumbers>,
    makeCard<CCardIdCard>,
    makeCard<CCardInsurancePolicy>,
    makeCard<CCardLensPrescription>,
    makeCard<CCardLibraryCard>,
    makeCard<CCardMembershipInfo>,
    makeCard<CCardPassportInfo>,
    makeCard<CCardPassword>,
    makeCard<CCardPrescription>,
    makeCard<CCardSerialNumber>,
    makeCard<CCardSocialSecurityNumber>,
    makeCard<CCardSoftwareSerialNumber>,
    makeCard<CCardVoiceMailInfo>,
    makeCard<CCardVoterCard>,
    makeCard<CCardWebSite>,
};
static_assert(std::size(kMakers) == IconNames::kCardTypeCount);

} // namespace

std::unique_ptr<CCard> createCard(int typeId)
{
    if (typeId < 0 || typeId >= static_cast<int>(std::size(kMakers)))
        return nullptr;
    return kMakers[typeId]();
}

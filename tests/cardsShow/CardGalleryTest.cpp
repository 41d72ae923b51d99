// Renders filled cards of every kind into card-gallery/ beside the test
// program, to be looked at.
#include "cards/CardFactory.h"
#include "cards/CardKinds.h"
#include "cards/FieldCard.h"
#include "cards/show/CardDisplayFactory.h"
#include "cards/show/CardSound.h"
#include "cards/show/ShowCardDialog.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class SilentPlayer : public ICardSoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};

struct FieldValue {
    int field;
    const char* text;
};

struct NumberValue {
    int field;
    int number;
};

struct GalleryCard {
    const char* file;
    int typeId;
    std::vector<FieldValue> values;
    int hiddenMode = CCard::kHideHidden;
    std::vector<NumberValue> numbers = {};
};

const GalleryCard kGallery[] = {
    {"bank-account", 0,
     {{CCardBankAccount::BankName, "First Harbour Bank"},
      {CCardBankAccount::AccountType, "Checking"},
      {CCardBankAccount::AccountNumber, "0044 1287 5530"},
      {CCardBankAccount::SortCode, "20-45-77"},
      {CCardBankAccount::Swift, "FHBKGB2L"},
      {CCardBankAccount::Telephone, "+44 20 7946 0321"},
      {CCardBankAccount::Pin, "4821"}},
     CCard::kShowHidden},
    {"car-info", 3,
     {{CCardCarInfo::Year, "2019"},
      {CCardCarInfo::Make, "Volvo"},
      {CCardCarInfo::Model, "V60 Cross Country"},
      {CCardCarInfo::LicenceNumber, "KD19 XRT"},
      {CCardCarInfo::ExpiresOn, "03/2027"},
      {CCardCarInfo::VehicleNumber, "YV1ZZ12345A678901"},
      {CCardCarInfo::InsuranceCompany, "Northgate Mutual"},
      {CCardCarInfo::PolicyNumber, "NM-558-2201"},
      {CCardCarInfo::InsurancePhone, "0800 555 0199"},
      {CCardCarInfo::InsuranceExpiresOn, "11/2026"}},
     CCard::kHideHidden,
     {{CCardCarInfo::Cylinders, 3}}},
    {"clothes-sizes", 4,
     {{CCardClothesSize::SizeFor, "Anna"},
      {CCardClothesSize::Suit, "38R"},
      {CCardClothesSize::Waist, "30"},
      {CCardClothesSize::Inseam, "32"},
      {CCardClothesSize::Shoe, "39"},
      {CCardClothesSize::Pants, "M"},
      {CCardClothesSize::Shirt, "S"},
      {CCardClothesSize::Skirt, "36"},
      {CCardClothesSize::Neck, "14"},
      {CCardClothesSize::Glove, "7"}}},
    {"password-hidden", 19,
     {{CCardPassword::System, "Office VPN"},
      {CCardPassword::Username, "a.lindqvist"},
      {CCardPassword::AccessInfo, "vpn.example.org"},
      {CCardPassword::Password, "Tr0ub4dor&3"}}},
    {"software-serial", 23,
     {{CCardSoftwareSerialNumber::Title, "PhotoStudio Pro"},
      {CCardSoftwareSerialNumber::Manufacturer, "Lumen Works"},
      {CCardSoftwareSerialNumber::Version, "12.4"},
      {CCardSoftwareSerialNumber::SoftwareType, "CDKey"},
      {CCardSoftwareSerialNumber::SoftwareTypeValue, "QX7P-22LM-90AB"},
      {CCardSoftwareSerialNumber::PurchaseDate, "14/02/2025"},
      {CCardSoftwareSerialNumber::PurchasedFrom, "lumenworks.example"}}},
    {"social-security", 22, {{CCardSocialSecurityNumber::Ssn, "078-05-1120"}, {CCardSocialSecurityNumber::HolderName, "Anna Lindqvist"}}},
    {"id-card", 13,
     {{CCardIdCard::CardTitle, "Staff Card"},
      {CCardIdCard::CountryOrOrganization, "Harbour Hospital"},
      {CCardIdCard::IdNumber, "HH-004512"},
      {CCardIdCard::HolderName, "Anna Lindqvist"}}},
    {"contact", 6,
     {{CCardContact::Title, "Dr"},
      {CCardContact::FirstName, "Anna"},
      {CCardContact::LastName, "Lindqvist"},
      {CCardContact::Email, "anna.lindqvist@example.org"},
      {CCardContact::Company, "Harbour Hospital"},
      {CCardContact::WorkPhone, "+44 20 7946 0456"},
      {CCardContact::HomePhone, "+44 20 7946 0789"},
      {CCardContact::Address, "12 Quay Street"},
      {CCardContact::City, "Bristol"},
      {CCardContact::State, "Avon"},
      {CCardContact::Zip, "BS1 4DJ"},
      {CCardContact::Country, "United Kingdom"}}},
    {"emergency-numbers", 9,
     {{CCardEmergensyNumbers::Fire, "112"},
      {CCardEmergensyNumbers::Ambulance, "112"},
      {CCardEmergensyNumbers::Police, "101"},
      {CCardEmergensyNumbers::Doctor, "555 0134"},
      {CCardEmergensyNumbers::Custom1, "Vet"},
      {CCardEmergensyNumbers::CustomValue1, "555 0188"},
      {CCardEmergensyNumbers::CustomValue2, "no label"}}},
    {"free-form", 10, {}},
    {"general-purpose", 11,
     {{CCardGeneralPurpose::Title, "Gym Locker"},
      {CCardGeneralPurpose::Label1, "Locker"},
      {CCardGeneralPurpose::Value1, "42"},
      {CCardGeneralPurpose::Label2, "Code"},
      {CCardGeneralPurpose::Value2, "1-7-3"},
      {CCardGeneralPurpose::Label4, "Opening hours"},
      {CCardGeneralPurpose::Value4, "6:00 - 22:00"}}},
    {"lens-prescription", 15,
     {{CCardLensPrescription::DoctorName, "Dr Mira Holt"}, {CCardLensPrescription::DoctorPhone, "+44 20 7946 0602"}},
     CCard::kNothingHidden,
     {{CCardLensPrescription::LeftBaseCurve, 86},
      {CCardLensPrescription::LeftDiameter, 142},
      {CCardLensPrescription::LeftPower, -275},
      {CCardLensPrescription::RightBaseCurve, 87},
      {CCardLensPrescription::RightDiameter, 140},
      {CCardLensPrescription::RightPower, -300},
      {CCardLensPrescription::PupilDistance, 62}}},
    {"voice-mail", 24,
     {{CCardVoiceMailInfo::AccessNumber, "+44 20 7946 0000"},
      {CCardVoiceMailInfo::Play, "1"},
      {CCardVoiceMailInfo::DeleteIt, "7"},
      {CCardVoiceMailInfo::Save, "9"},
      {CCardVoiceMailInfo::Record, "5"},
      {CCardVoiceMailInfo::Next, "#"},
      {CCardVoiceMailInfo::Prev, "4"},
      {CCardVoiceMailInfo::Rewind, "44"},
      {CCardVoiceMailInfo::Ffwd, "66"},
      {CCardVoiceMailInfo::Help, "0"},
      {CCardVoiceMailInfo::Password, "2580"}}},
    {"passport", 18,
     {{CCardPassportInfo::Type, "P"},
      {CCardPassportInfo::StateCode, "GBR"},
      {CCardPassportInfo::PassportNo, "533380006"},
      {CCardPassportInfo::Surname, "Lindqvist"},
      {CCardPassportInfo::GivenNames, "Anna Maria"},
      {CCardPassportInfo::Nationality, "British"},
      {CCardPassportInfo::Sex, "F"},
      {CCardPassportInfo::DateOfBirth, "04 May 1988"},
      {CCardPassportInfo::PlaceOfBirth, "Bristol"},
      {CCardPassportInfo::DateOfIssue, "12 Jan 2021"},
      {CCardPassportInfo::DateOfExpiry, "12 Jan 2031"}}},
    {"voter-card", 25,
     {{CCardVoterCard::HolderName, "Anna Lindqvist"},
      {CCardVoterCard::VoterNumber, "VN-2231-884"},
      {CCardVoterCard::Ward, "12"},
      {CCardVoterCard::Precinct, "4B"},
      {CCardVoterCard::IssueDate, "01/2024"},
      {CCardVoterCard::VotingLocation, "Quay Street School"},
      {CCardVoterCard::Congress, "7"},
      {CCardVoterCard::StateSenate, "18"},
      {CCardVoterCard::StateRepresentative, "33"}}},
    {"credit-card-visa", 7,
     {{CCardCreditCard::CardNumber, "4000 1234 5678 9010"},
      {CCardCreditCard::CardProvider, "Northern Bank"},
      {CCardCreditCard::CardType, "VISA"},
      {CCardCreditCard::Expires, "09/28"},
      {CCardCreditCard::NameOnCard, "ANNA LINDQVIST"},
      {CCardCreditCard::LostCardNumber, "+44 20 7946 0999"},
      {CCardCreditCard::Pin, "4321"}},
     CCard::kShowHidden},
    {"credit-card-long-provider", 7,
     {{CCardCreditCard::CardNumber, "3700 123456 78901"},
      {CCardCreditCard::CardProvider, "First Cooperative Savings Bank"},
      {CCardCreditCard::CardType, "American Express"},
      {CCardCreditCard::Expires, "11/27"},
      {CCardCreditCard::NameOnCard, "JOHAN ALEXANDER BERGSTROM-LINDQVIST"},
      {CCardCreditCard::LostCardNumber, "+44 20 7946 0111"},
      {CCardCreditCard::Pin, "9876"}}},
    {"credit-card-unlisted", 7,
     {{CCardCreditCard::CardNumber, "6011 0000 0000 0004"},
      {CCardCreditCard::CardProvider, "Corner Credit"},
      {CCardCreditCard::CardType, "Store Card"},
      {CCardCreditCard::Expires, "01/30"},
      {CCardCreditCard::NameOnCard, "A LINDQVIST"}}},
    {"birthday", 1, {{CCardBirthdayCard::Person, "Anna Lindqvist"}, {CCardBirthdayCard::Birthday, "4 May"}}},
    {"calling-card", 2,
     {{CCardCalling::CardProvider, "Harbour Telecom"},
      {CCardCalling::AccessNumber, "0800 555 0100"},
      {CCardCalling::CardNumber, "7731 2284 0091"},
      {CCardCalling::LostCardNumber, "0800 555 0111"},
      {CCardCalling::Pin, "2580"}}},
    {"combination-lock", 5,
     {{CCardCombinationLock::Lock, "Bike lock"}, {CCardCombinationLock::Location, "Garage"}, {CCardCombinationLock::Combination, "3-1-4"}},
     CCard::kShowHidden},
    {"drivers-license", 8,
     {{CCardDriversLicense::LicenseNumber, "LINDQ805048A99ZX"},
      {CCardDriversLicense::Location, "Bristol"},
      {CCardDriversLicense::DateIssued, "02/03/2019"},
      {CCardDriversLicense::ExpirationDate, "01/03/2029"}}},
    {"health-numbers", 12,
     {{CCardHealthNumbers::IdNumber, "943 476 5919"},
      {CCardHealthNumbers::Group, "B"},
      {CCardHealthNumbers::Plan, "Family Plus"},
      {CCardHealthNumbers::Telephone, "0800 555 0133"},
      {CCardHealthNumbers::PlanSponsor, "Harbour Hospital"}}},
    {"insurance-policy", 14,
     {{CCardInsurancePolicy::InsuranceCompany, "Northgate Mutual"},
      {CCardInsurancePolicy::PolicyNumber, "NM-771-0042"},
      {CCardInsurancePolicy::Type, "Home"},
      {CCardInsurancePolicy::ExpiresOn, "30/06/2026"},
      {CCardInsurancePolicy::Telephone, "0800 555 0199"}}},
    {"library-card", 16, {{CCardLibraryCard::Library, "Central Library"}, {CCardLibraryCard::LibraryCardNumber, "2 1187 00442 6631"}}},
    {"membership-info", 17,
     {{CCardMembershipInfo::Company, "Skyline Airways"},
      {CCardMembershipInfo::IdNumber, "SK 4410 2298"},
      {CCardMembershipInfo::Telephone, "+44 20 7946 0222"},
      {CCardMembershipInfo::ExpiresOn, "12/2027"}}},
    {"prescription", 20,
     {{CCardPrescription::DrugName, "Amoxicillin 500 mg"},
      {CCardPrescription::Amount, "21 capsules"},
      {CCardPrescription::WhenToTake, "3 times a day"},
      {CCardPrescription::Brand, "Generic"},
      {CCardPrescription::PurchaseDate, "02/12/2026"},
      {CCardPrescription::Pharmacy, "Quay Pharmacy"},
      {CCardPrescription::Doctor, "Dr Mira Holt"},
      {CCardPrescription::DoctorsPhone, "+44 20 7946 0602"}}},
    {"serial-number", 21,
     {{CCardSerialNumber::Product, "Espresso Machine"},
      {CCardSerialNumber::Brand, "Caffettiera"},
      {CCardSerialNumber::SerialNumber, "CF-2291-88310"},
      {CCardSerialNumber::ModelNumber, "EX-400"},
      {CCardSerialNumber::PurchaseLocation, "Harbour Home Store"},
      {CCardSerialNumber::PurchaseDate, "20/11/2024"}}},
    {"web-site", 26,
     {{CCardWebSite::SiteName, "Corner Shop"},
      {CCardWebSite::Username, "ann"},
      {CCardWebSite::Url, "www.example.org"},
      {CCardWebSite::Password, "hunter2"}},
     CCard::kShowHidden},
};

TEST(CardGalleryTest, RendersEveryKind)
{
    SilentPlayer sound;
    QDir().mkpath("card-gallery");
    for (const GalleryCard& entry : kGallery) {
        auto card = createCard(entry.typeId);
        auto& fields = dynamic_cast<CFieldCard&>(*card);
        for (const FieldValue& value : entry.values)
            fields.setText(value.field, CString(value.text));
        for (const NumberValue& value : entry.numbers)
            fields.setNumber(value.field, value.number);
        fields.applyEditRules();
        card->setName(CString(entry.file));
        card->getNotes() = CString("Kept in the top drawer.");
        card->setHiddenMode(entry.hiddenMode);
        std::unique_ptr<CShowCardDialog> display(createCardDisplay(*card, sound, CString("C:\\Keldra"), nullptr));
        ASSERT_TRUE(display) << entry.file;
        const QImage shot = display->grab().toImage();
        EXPECT_TRUE(entry.values.empty() || !display->paintedTexts().isEmpty()) << entry.file;
        EXPECT_TRUE(shot.save(QString("card-gallery/%1.png").arg(entry.file))) << entry.file;
    }
}

} // namespace

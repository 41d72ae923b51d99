#include "KindPageTable.h"

#include "cards/CardKinds.h"
#include "images/IconNames.h"

#include <iterator>

namespace {

using T = PageControlType;

constexpr PageControl kName30 = {"Card Name:", kNameField, 30};
constexpr PageControl kNameAny = {"Card Name:", kNameField};
constexpr PageControl kNotes = {"Notes:", kNotesField, kNoLimit, T::MultiLine};

constexpr PageControl kBankAccount[] = {
    kName30,
    {"Bank Name:", CCardBankAccount::BankName, 40},
    {"Account Number:", CCardBankAccount::AccountNumber, 40},
    {"Account Type:", CCardBankAccount::AccountType, kNoLimit, T::EditableListOwnFirst},
    {"PIN Number:", CCardBankAccount::Pin, 4},
    {"Phone Number:", CCardBankAccount::Telephone, 15},
    {"Sort Code:", CCardBankAccount::SortCode, 15},
    {"SWIFT Code:", CCardBankAccount::Swift, 15},
    kNotes,
};

constexpr PageControl kBirthdayCard[] = {
    kName30,
    {"Person Name:", CCardBirthdayCard::Person, 30},
    {"Date:", CCardBirthdayCard::Birthday, 50},
    kNotes,
};

constexpr PageControl kCalling[] = {
    kName30,
    {"Card Provider:", CCardCalling::CardProvider, 30},
    {"Access Number:", CCardCalling::AccessNumber, 30},
    {"Card Number:", CCardCalling::CardNumber, 30},
    {"PIN Number:", CCardCalling::Pin, 4},
    {"Number To Call If Card Is Lost:", CCardCalling::LostCardNumber, 30},
    kNotes,
};

constexpr PageControl kCarInfo[] = {
    kName30,
    {"Make:", CCardCarInfo::Make, 20},
    {"Model:", CCardCarInfo::Model, 20, T::Edit, true},
    {"Year:", CCardCarInfo::Year, 4, T::Digits},
    {"Cylinders:", CCardCarInfo::Cylinders, kNoLimit, T::DropDown, true},
    {"License Number:", CCardCarInfo::LicenceNumber, 30},
    {"Expires On:", CCardCarInfo::ExpiresOn, 15},
    {"Vehicle Number:", CCardCarInfo::VehicleNumber, 15, T::Edit, true},
    {"Insurance Company:", CCardCarInfo::InsuranceCompany, 30},
    {"Policy Number:", CCardCarInfo::PolicyNumber, 30},
    {"Insurance Phone:", CCardCarInfo::InsurancePhone, 30},
    {"Insurance Expires On:", CCardCarInfo::InsuranceExpiresOn, 30},
    kNotes,
};

constexpr PageControl kClothesSize[] = {
    kName30,
    {"Size For:", CCardClothesSize::SizeFor, 30},
    {"Suit:", CCardClothesSize::Suit, 10},
    {"Waist:", CCardClothesSize::Waist, 10, T::Edit, true},
    {"Inseam:", CCardClothesSize::Inseam, 10, T::Edit, true},
    {"Shoe:", CCardClothesSize::Shoe, 10},
    {"Pants:", CCardClothesSize::Pants, 10, T::Edit, true},
    {"Skirt:", CCardClothesSize::Skirt, 10, T::Edit, true},
    {"Shirt:", CCardClothesSize::Shirt, 10},
    {"Neck:", CCardClothesSize::Neck, 10, T::Edit, true},
    {"Glove:", CCardClothesSize::Glove, 10, T::Edit, true},
    kNotes,
};

constexpr PageControl kCombinationLock[] = {
    kName30,
    {"Lock:", CCardCombinationLock::Lock, 10},
    {"Location:", CCardCombinationLock::Location, 50},
    {"Combination:", CCardCombinationLock::Combination, 10},
    kNotes,
};

constexpr PageControl kContact[] = {
    {"Card name:", kNameField, 30},
    {"First Name:", CCardContact::FirstName, 20},
    {"Last Name:", CCardContact::LastName, 20, T::Edit, true},
    {"Title:", CCardContact::Title},
    {"Company:", CCardContact::Company, 50},
    {"Email:", CCardContact::Email, 50},
    {"Work Phone:", CCardContact::WorkPhone},
    {"Home Phone:", CCardContact::HomePhone, 20, T::Edit, true},
    {"Fax:", CCardContact::Fax, 20},
    {"Address:", CCardContact::Address, 100},
    {"City:", CCardContact::City, 20},
    {"State:", CCardContact::State, 20, T::Edit, true},
    {"ZIP:", CCardContact::Zip},
    {"Country:", CCardContact::Country, 50, T::Edit, true},
    kNotes,
};

constexpr PageControl kCreditCard[] = {
    kName30,
    {"Card Provider:", CCardCreditCard::CardProvider, 30},
    {"Card type:", CCardCreditCard::CardType, 30, T::EditableList},
    {"Card Number:", CCardCreditCard::CardNumber, 30},
    {"Expiration date:", CCardCreditCard::Expires, 15},
    {"PIN Number:", CCardCreditCard::Pin, 6},
    {"Cardholder:", CCardCreditCard::NameOnCard, 30},
    {"Number to Call If Card Is lost Or Stolen:", CCardCreditCard::LostCardNumber, 15},
    kNotes,
};

constexpr PageControl kDriversLicense[] = {
    kName30,
    {"Driver's License Number:", CCardDriversLicense::LicenseNumber, 40},
    {"State/City/Location:", CCardDriversLicense::Location, 30},
    {"Date Issued:", CCardDriversLicense::DateIssued, 15},
    {"Expiration Date:", CCardDriversLicense::ExpirationDate, 15},
    kNotes,
};

// The three custom rows: the label the user names, then its number.
constexpr PageControl kEmergensyNumbers[] = {
    kName30,
    {"Fire:", CCardEmergensyNumbers::Fire, 20},
    {"Ambulance:", CCardEmergensyNumbers::Ambulance, 30},
    {"Police:", CCardEmergensyNumbers::Police, 20},
    {"Doctor:", CCardEmergensyNumbers::Doctor, 30},
    {"Poison:", CCardEmergensyNumbers::Poison, 20},
    {"", CCardEmergensyNumbers::Custom1, 20},
    {"", CCardEmergensyNumbers::CustomValue1, 20, T::Edit, true},
    {"", CCardEmergensyNumbers::Custom2, 20},
    {"", CCardEmergensyNumbers::CustomValue2, 20, T::Edit, true},
    {"", CCardEmergensyNumbers::Custom3, 20},
    {"", CCardEmergensyNumbers::CustomValue3, 20, T::Edit, true},
    kNotes,
};

constexpr PageControl kFreeForm[] = {
    kNameAny,
    {"", kNotesField, kNoLimit, T::MultiLine},
    {"Font:", CCardFreeForm::SmallFont, kNoLimit, T::FontChoice},
};

// Six rows of a caption the user types and its value.
constexpr PageControl kGeneralPurpose[] = {
    {"Card name:", kNameField, 30},
    {"Title:", CCardGeneralPurpose::Title, 20},
    {"", CCardGeneralPurpose::Label1, 10},
    {"", CCardGeneralPurpose::Value1, 20, T::Edit, true},
    {"", CCardGeneralPurpose::Label2, 10},
    {"", CCardGeneralPurpose::Value2, 20, T::Edit, true},
    {"", CCardGeneralPurpose::Label3, 10},
    {"", CCardGeneralPurpose::Value3, 20, T::Edit, true},
    {"", CCardGeneralPurpose::Label4, 10},
    {"", CCardGeneralPurpose::Value4, 20, T::Edit, true},
    {"", CCardGeneralPurpose::Label5, 10},
    {"", CCardGeneralPurpose::Value5, 20, T::Edit, true},
    {"", CCardGeneralPurpose::Label6, 10},
    {"", CCardGeneralPurpose::Value6, 20, T::Edit, true},
    kNotes,
};

constexpr PageControl kHealthNumbers[] = {
    kNameAny,
    {"ID Number:", CCardHealthNumbers::IdNumber},
    {"Group:", CCardHealthNumbers::Group},
    {"Plan:", CCardHealthNumbers::Plan},
    {"Phone Number :", CCardHealthNumbers::Telephone},
    {"Plan Sponsor:", CCardHealthNumbers::PlanSponsor},
    kNotes,
};

constexpr PageControl kIdCard[] = {
    kName30,
    {"Card Title:", CCardIdCard::CardTitle, 30},
    {"Country or Organization:", CCardIdCard::CountryOrOrganization, 30},
    {"Name:", CCardIdCard::HolderName, 30},
    {"ID Number:", CCardIdCard::IdNumber, 30},
    kNotes,
};

constexpr PageControl kInsurancePolicy[] = {
    kName30,
    {"Insurance Company:", CCardInsurancePolicy::InsuranceCompany, 30},
    {"Policy No:", CCardInsurancePolicy::PolicyNumber, 30},
    {"Type:", CCardInsurancePolicy::Type, 30, T::EditableList},
    {"Expires On:", CCardInsurancePolicy::ExpiresOn, 30},
    {"Phone:", CCardInsurancePolicy::Telephone, 30},
    kNotes,
};

constexpr PageControl kLensPrescription[] = {
    kNameAny,
    {"Lens Type:", CCardLensPrescription::LensType, kNoLimit, T::DropDown},
    {"R. eye:", kNoField, kNoLimit, T::RowTitle},
    {"Power:", CCardLensPrescription::RightPower, 5, T::Number, true},
    {"Base Curve:", CCardLensPrescription::RightBaseCurve, 5, T::Number, true},
    {"Diam.:", CCardLensPrescription::RightDiameter, 5, T::Number, true},
    {"L. eye:", kNoField, kNoLimit, T::RowTitle},
    {"Power:", CCardLensPrescription::LeftPower, 5, T::Number, true},
    {"Base Curve:", CCardLensPrescription::LeftBaseCurve, 5, T::Number, true},
    {"Diam.:", CCardLensPrescription::LeftDiameter, 5, T::Number, true},
    {"Pupil Distance(mm.):", CCardLensPrescription::PupilDistance, 5, T::Number},
    {"Doctor's Name:", CCardLensPrescription::DoctorName},
    {"Doctor's Phone #:", CCardLensPrescription::DoctorPhone},
    kNotes,
};

constexpr PageControl kLibraryCard[] = {
    {"Card name:", kNameField, 30},
    {"Library Name:", CCardLibraryCard::Library, 30},
    {"Library Card Number:", CCardLibraryCard::LibraryCardNumber, 50},
    kNotes,
};

constexpr PageControl kMembershipInfo[] = {
    {"Card name:", kNameField},
    {"Company (airline, hotel, rental agency):", CCardMembershipInfo::Company},
    {"ID Number:", CCardMembershipInfo::IdNumber},
    {"Telephone:", CCardMembershipInfo::Telephone},
    {"Expires on:", CCardMembershipInfo::ExpiresOn},
    kNotes,
};

constexpr const char* kSexes[] = {"Male", "Female"};

constexpr PageControl kPassportInfo[] = {
    {"Card name:", kNameField, 30},
    {"Type:", CCardPassportInfo::Type, 1},
    {"State Code:", CCardPassportInfo::StateCode, 5, T::Edit, true},
    {"Passport No:", CCardPassportInfo::PassportNo, 20},
    {"Surname:", CCardPassportInfo::Surname, 20},
    {"Given Names:", CCardPassportInfo::GivenNames, 30},
    {"Sex:", CCardPassportInfo::Sex, 6, T::DropDown, false, kSexes},
    {"Birth Date:", CCardPassportInfo::DateOfBirth, 12, T::Edit, true},
    {"Place of Birth:", CCardPassportInfo::PlaceOfBirth, 20},
    {"Nationality:", CCardPassportInfo::Nationality, 40},
    {"Date of insurance:", CCardPassportInfo::DateOfIssue, 12},
    {"Date of expiration:", CCardPassportInfo::DateOfExpiry, 12, T::Edit, true},
    {"Authority:", CCardPassportInfo::Authority, 30},
    kNotes,
};

constexpr PageControl kPassword[] = {
    {"Card name:", kNameField, 30},
    {"System:", CCardPassword::System, 20},
    {"User name:", CCardPassword::Username, 30},
    {"Password:", CCardPassword::Password, 30},
    {"Access info (phone number or URL):", CCardPassword::AccessInfo, 30},
    kNotes,
};

constexpr PageControl kPrescription[] = {
    kName30,
    {"Drug Name:", CCardPrescription::DrugName, 50},
    {"Amount:", CCardPrescription::Amount, 30},
    {"When To Take:", CCardPrescription::WhenToTake, 20},
    {"Brand:", CCardPrescription::Brand, 30},
    {"Purchase Date:", CCardPrescription::PurchaseDate, 12},
    {"Pharmacy:", CCardPrescription::Pharmacy, 30},
    {"Doctor:", CCardPrescription::Doctor, 30},
    {"Doctor's Phone No:", CCardPrescription::DoctorsPhone, 30},
    kNotes,
};

constexpr PageControl kSerialNumber[] = {
    {"Card name:", kNameField, 30},
    {"Product:", CCardSerialNumber::Product, 50},
    {"Brand:", CCardSerialNumber::Brand, 30},
    {"Serial No:", CCardSerialNumber::SerialNumber, 50},
    {"Model No:", CCardSerialNumber::ModelNumber, 30},
    {"Purchase Location:", CCardSerialNumber::PurchaseLocation, 30},
    {"Purchase Date:", CCardSerialNumber::PurchaseDate, 12},
    kNotes,
};

constexpr PageControl kSocialSecurityNumber[] = {
    kNameAny,
    {"Name:", CCardSocialSecurityNumber::HolderName},
    {"SSN:", CCardSocialSecurityNumber::Ssn},
    kNotes,
};

// The support info is kept by the record but not edited here.
constexpr PageControl kSoftwareSerialNumber[] = {
    kName30,
    {"Title:", CCardSoftwareSerialNumber::Title, 30},
    {"Version:", CCardSoftwareSerialNumber::Version, 30},
    {"Manifacturer:", CCardSoftwareSerialNumber::Manufacturer, 30},
    {"Purchased From:", CCardSoftwareSerialNumber::PurchasedFrom, 30},
    {"Purchase Date:", CCardSoftwareSerialNumber::PurchaseDate, 10},
    {"", CCardSoftwareSerialNumber::SoftwareType, kNoLimit, T::DropDown},
    {"", CCardSoftwareSerialNumber::SoftwareTypeValue, kNoLimit, T::Edit, true},
    {"Notes:", kNotesField, 30, T::MultiLine},
};

// The keys to press for each voice-mail command, three to a row.
constexpr PageControl kVoiceMailInfo[] = {
    {"Card name:", kNameField},
    {"Access No:", CCardVoiceMailInfo::AccessNumber},
    {"Password:", CCardVoiceMailInfo::Password},
    {"Play:", CCardVoiceMailInfo::Play},
    {"Next:", CCardVoiceMailInfo::Next, kNoLimit, T::Edit, true},
    {"Prev:", CCardVoiceMailInfo::Prev, kNoLimit, T::Edit, true},
    {"Record:", CCardVoiceMailInfo::Record},
    {"FFwd:", CCardVoiceMailInfo::Ffwd, kNoLimit, T::Edit, true},
    {"Help:", CCardVoiceMailInfo::Help, kNoLimit, T::Edit, true},
    {"Del:", CCardVoiceMailInfo::DeleteIt},
    {"Save:", CCardVoiceMailInfo::Save, kNoLimit, T::Edit, true},
    {"Rewind:", CCardVoiceMailInfo::Rewind, kNoLimit, T::Edit, true},
    kNotes,
};

constexpr PageControl kVoterCard[] = {
    {"Card name:", kNameField, 30},
    {"Name:", CCardVoterCard::HolderName, 30},
    {"Voter number:", CCardVoterCard::VoterNumber, 20},
    {"Wand:", CCardVoterCard::Ward, 20},
    {"Precinct:", CCardVoterCard::Precinct, 20, T::Edit, true},
    {"Issue date:", CCardVoterCard::IssueDate, 10},
    {"Voting location:", CCardVoterCard::VotingLocation, 20},
    {"Congress:", CCardVoterCard::Congress, 20},
    {"State Senate:", CCardVoterCard::StateSenate, 20},
    {"State Representative:", CCardVoterCard::StateRepresentative, 20},
    kNotes,
};

constexpr PageControl kWebSite[] = {
    kNameAny,
    {"Site Name:", CCardWebSite::SiteName},
    {"User Name:", CCardWebSite::Username},
    {"Password:", CCardWebSite::Password},
    {"URL:", CCardWebSite::Url},
    kNotes,
};

constexpr KindPage kPages[] = {
    {"Bank Account", "Bank Account", kBankAccount},
    {"Birthday Card", "Birthday Card", kBirthdayCard},
    {"Calling Card", "Calling Card", kCalling},
    {"Car Info", "Car Info", kCarInfo},
    {"Clothes Size", "Clothes Size", kClothesSize},
    {"Combination Lock", "Combination Lock", kCombinationLock},
    {"Contact", "Contact", kContact},
    {"Credit Card", "Credit Card", kCreditCard},
    {"Driver's License", "Driver License", kDriversLicense},
    {"Emergensy Numbes", "Emergency Numbers", kEmergensyNumbers},
    {"Free form", "Free Form", kFreeForm},
    {"General purpose", "General Purpose", kGeneralPurpose},
    {"Health numbers", "Health Number", kHealthNumbers},
    {"ID Card", "ID Card", kIdCard},
    {"Insurance Policy", "Insurance Policy", kInsurancePolicy},
    {"Lens prescription", "Lens Prescription", kLensPrescription},
    {"Library card", "Library Card", kLibraryCard},
    {"Membership info", "Membership Info", kMembershipInfo},
    {"Passport info", "Passport Info", kPassportInfo},
    {"Password", "Password", kPassword},
    {"Prescription", "Prescription", kPrescription},
    {"Serial number", "Serial Number", kSerialNumber},
    {"Social Security Number", "Social Security Number", kSocialSecurityNumber},
    {"Software Serial Number", "Software Serial Number", kSoftwareSerialNumber},
    {"Voice mail info", "Voice Mail Info", kVoiceMailInfo},
    {"Voter card", "Card Voter Card", kVoterCard},
    {"Web Site", "Web Site", kWebSite},
};
static_assert(std::size(kPages) == IconNames::kCardTypeCount);

} // namespace

const KindPage& kindPage(int typeId) { return kPages[typeId]; }

int controlId(const PageControl& control)
{
    switch (control.field) {
    case kNameField:
        return kNameControlId;
    case kNotesField:
        return kNotesControlId;
    default:
        return control.type == PageControlType::FontChoice ? kSmallFontControlId : kFieldControlBase + control.field;
    }
}

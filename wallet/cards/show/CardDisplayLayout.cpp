#include "CardDisplayLayout.h"

#include "cards/CardKinds.h"

#include <algorithm>

namespace {

using K = DisplayItemKind;

constexpr HiddenSwitchCaptions kPasswordCaptions = {"Show Password", "Hide Password"};
constexpr HiddenSwitchCaptions kPlainCaptions = {"Show", "Hide"};

using Bank = CCardBankAccount;
constexpr DisplayItem kBankAccount[] = {
    {K::Heading, "", Bank::BankName},
    {K::Row, " Account", Bank::AccountNumber, Bank::AccountType},
    {K::Row, "Sort Code : ", Bank::SortCode},
    {K::Row, "SWIFT : ", Bank::Swift},
    {K::Row, "Phone:", Bank::Telephone},
    {K::Hidden, "", Bank::Pin},
};

using Birthday = CCardBirthdayCard;
constexpr DisplayItem kBirthday[] = {
    {K::Heading, "", Birthday::Person},
    {K::Centred, "", Birthday::Birthday},
};

using Calling = CCardCalling;
constexpr DisplayItem kCalling[] = {
    {K::Heading, "", Calling::CardProvider},
    {K::Row, "Access Number : ", Calling::AccessNumber},
    {K::Row, "Card Number : ", Calling::CardNumber},
    {K::Row, "Call if card is lost: ", Calling::LostCardNumber},
    {K::Hidden, "", Calling::Pin},
};

using Car = CCardCarInfo;
constexpr DisplayItem kCarInfo[] = {
    {K::Heading, "", Car::Year, kNoField, {Car::Make, Car::Model}},
    {K::Row, "Licence Number : ", Car::LicenceNumber},
    {K::Row, "Expires On  : ", Car::ExpiresOn},
    {K::Row, "Vehicle Number : ", Car::VehicleNumber},
    {K::Row, "Cylinders : ", Car::Cylinders},
    {K::Row, "Insurance Company : ", Car::InsuranceCompany},
    {K::Row, "Policy Number : ", Car::PolicyNumber},
    {K::Row, "Insurance Phone : ", Car::InsurancePhone},
    {K::Row, "Insurance Expired On: ", Car::InsuranceExpiresOn},
};

using Clothes = CCardClothesSize;
constexpr DisplayItem kClothesSizes[] = {
    {K::Heading, "", Clothes::SizeFor},
    {K::Row, "Suit : ", Clothes::Suit},
    {K::Row, "Waist : ", Clothes::Waist},
    {K::Row, "Inseam : ", Clothes::Inseam},
    {K::Row, "Shoe : ", Clothes::Shoe},
    {K::Row, "Pants : ", Clothes::Pants},
    {K::Row, "Shirt : ", Clothes::Shirt},
    {K::Row, "Skirt : ", Clothes::Skirt},
    {K::Row, "Neck : ", Clothes::Neck},
    {K::Row, "Glove : ", Clothes::Glove},
};

using Contact = CCardContact;
constexpr DisplayItem kContact[] = {
    // The names with the title before them; a title alone makes no line.
    {.kind = K::TitleLine, .text = "", .field = Contact::FirstName, .moreFields = {Contact::LastName, kNoField}, .prefixField = Contact::Title},
    {K::Link, "", Contact::Email, kNoField, {kNoField, kNoField}, false, "mailto:"},
    {K::Line, "", Contact::Company},
    {K::Row, "Work Phone : ", Contact::WorkPhone},
    {K::Row, "Home Phone : ", Contact::HomePhone},
    {K::Row, "Fax : ", Contact::Fax},
    {K::Line, "", Contact::Address},
    {K::Pair, "", Contact::City},
    {K::Pair, "", Contact::State},
    {K::Pair, "", Contact::Zip},
    {K::Pair, "", Contact::Country},
};
constexpr int kContactLinePitch = 17;

using Lock = CCardCombinationLock;
constexpr DisplayItem kCombinationLock[] = {
    {K::Heading, "", kCardNameField},
    {K::Row, "Lock : ", Lock::Lock},
    {K::Row, "Location : ", Lock::Location},
    {K::Hidden, "", Lock::Combination},
};

using License = CCardDriversLicense;
constexpr DisplayItem kDriversLicense[] = {
    {K::Row, "License Number : ", License::LicenseNumber},
    {K::Row, "State/City/Location: ", License::Location},
    {K::Row, "Date Issued : ", License::DateIssued},
    {K::Row, "Expiration Date : ", License::ExpirationDate},
};

using Emergency = CCardEmergensyNumbers;
constexpr DisplayItem kEmergencyNumbers[] = {
    {K::Heading, "Emergency Numbers"},
    {K::Row, "Fire : ", Emergency::Fire},
    {K::Row, "Ambulance : ", Emergency::Ambulance},
    {K::Row, "Police : ", Emergency::Police},
    {K::Row, "Doctor : ", Emergency::Doctor},
    {K::Row, "Poison : ", Emergency::Poison},
    {K::Row, " : ", Emergency::CustomValue1, Emergency::Custom1},
    {K::Row, " : ", Emergency::CustomValue2, Emergency::Custom2},
    {K::Row, " : ", Emergency::CustomValue3, Emergency::Custom3},
};

using General = CCardGeneralPurpose;
constexpr DisplayItem kGeneralPurpose[] = {
    {K::Heading, "", General::Title},
    {K::Middle, "", General::Value1, General::Label1},
    {K::Middle, "", General::Value2, General::Label2},
    {K::Middle, "", General::Value3, General::Label3},
    {K::Middle, "", General::Value4, General::Label4},
    {K::Middle, "", General::Value5, General::Label5},
    {K::Middle, "", General::Value6, General::Label6},
};

using Health = CCardHealthNumbers;
constexpr DisplayItem kHealthNumbers[] = {
    {K::Row, "Id Number : ", Health::IdNumber},
    {K::Row, "Group : ", Health::Group},
    {K::Row, "Plan : ", Health::Plan},
    {K::Row, "Telephone : ", Health::Telephone},
    {K::Row, "Plan Sponsor : ", Health::PlanSponsor},
};

using Id = CCardIdCard;
constexpr DisplayItem kIdCard[] = {
    {K::Heading, "", Id::CardTitle},
    {K::Centred, "", Id::CountryOrOrganization},
    {K::Centred, "", Id::IdNumber},
    {K::Centred, "", Id::HolderName},
};

using Insurance = CCardInsurancePolicy;
constexpr DisplayItem kInsurancePolicy[] = {
    {K::Heading, "", Insurance::InsuranceCompany},
    {K::Row, "Policy Number : ", Insurance::PolicyNumber},
    {K::Row, "Type : ", Insurance::Type},
    {K::Row, "Expires On : ", Insurance::ExpiresOn},
    {K::Row, "Telephone : ", Insurance::Telephone},
};

using Lens = CCardLensPrescription;
// The columns leave room for the row label "Right " and each column head.
constexpr int kEyeColumn = 15;
constexpr int kBaseCurveColumn = 60;
constexpr int kDiameterColumn = 146;
constexpr int kPowerColumn = 216;
constexpr DisplayItem kLensPrescription[] = {
    {K::Row, "Doctor name : ", Lens::DoctorName},
    {K::Row, "Doctor phone : ", Lens::DoctorPhone},
    {K::Cell, "Base Curve ", kNoField, kNoField, {kNoField, kNoField}, false, "", kBaseCurveColumn},
    {K::Cell, "Diameter ", kNoField, kNoField, {kNoField, kNoField}, false, "", kDiameterColumn},
    {K::Cell, "Power ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPowerColumn},
    {K::Cell, "Left ", kNoField, kNoField, {kNoField, kNoField}, false, "", kEyeColumn},
    {K::Cell, "", Lens::LeftBaseCurve, kNoField, {kNoField, kNoField}, false, "", kBaseCurveColumn},
    {K::Cell, "", Lens::LeftDiameter, kNoField, {kNoField, kNoField}, false, "", kDiameterColumn},
    {K::Cell, "", Lens::LeftPower, kNoField, {kNoField, kNoField}, false, "", kPowerColumn},
    {K::Cell, "Right ", kNoField, kNoField, {kNoField, kNoField}, false, "", kEyeColumn},
    {K::Cell, "", Lens::RightBaseCurve, kNoField, {kNoField, kNoField}, false, "", kBaseCurveColumn},
    {K::Cell, "", Lens::RightDiameter, kNoField, {kNoField, kNoField}, false, "", kDiameterColumn},
    {K::Cell, "", Lens::RightPower, kNoField, {kNoField, kNoField}, false, "", kPowerColumn},
    {K::Row, "Pupil: ", Lens::PupilDistance},
};

using Library = CCardLibraryCard;
constexpr DisplayItem kLibraryCard[] = {
    {K::Heading, "", Library::Library},
    {K::Centred, "", Library::LibraryCardNumber},
};

using Membership = CCardMembershipInfo;
constexpr DisplayItem kMembershipInfo[] = {
    {K::Heading, "", Membership::Company},
    {K::Row, "IdNumber : ", Membership::IdNumber},
    {K::Row, "Telephone : ", Membership::Telephone},
    {K::Row, "ExpiresOn : ", Membership::ExpiresOn},
};

using Passport = CCardPassportInfo;
constexpr int kPassportLeft = 15;
constexpr int kStateCodeColumn = 85;
constexpr int kPassportNoColumn = 170;
constexpr int kPassportRight = 140;
constexpr DisplayItem kPassportInfo[] = {
    {K::Cell, "Type ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportLeft},
    {K::Cell, "State Code ", kNoField, kNoField, {kNoField, kNoField}, false, "", kStateCodeColumn},
    {K::Cell, "Passport No ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportNoColumn},
    {K::Cell, "", Passport::Type, kNoField, {kNoField, kNoField}, true, "", kPassportLeft},
    {K::Cell, "", Passport::StateCode, kNoField, {kNoField, kNoField}, true, "", kStateCodeColumn},
    {K::Cell, "", Passport::PassportNo, kNoField, {kNoField, kNoField}, true, "", kPassportNoColumn},
    {K::Cell, "Surname ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportLeft},
    {K::Cell, "Given Names : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportRight},
    {K::Cell, "", Passport::Surname, kNoField, {kNoField, kNoField}, true, "", kPassportLeft},
    {K::Cell, "", Passport::GivenNames, kNoField, {kNoField, kNoField}, true, "", kPassportRight},
    {K::Cell, "Nationality : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportLeft},
    {K::Cell, "Sex : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportRight},
    {K::Cell, "", Passport::Nationality, kNoField, {kNoField, kNoField}, true, "", kPassportLeft},
    {K::Cell, "", Passport::Sex, kNoField, {kNoField, kNoField}, true, "", kPassportRight},
    {K::Cell, "Date Of Birth: ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportLeft},
    {K::Cell, "Birth Place: ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportRight},
    {K::Cell, "", Passport::DateOfBirth, kNoField, {kNoField, kNoField}, true, "", kPassportLeft},
    {K::Cell, "", Passport::PlaceOfBirth, kNoField, {kNoField, kNoField}, true, "", kPassportRight},
    {K::Cell, "Date Of Issue : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportLeft},
    {K::Cell, "Date Of Expiry : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPassportRight},
    {K::Cell, "", Passport::DateOfIssue, kNoField, {kNoField, kNoField}, true, "", kPassportLeft},
    {K::Cell, "", Passport::DateOfExpiry, kNoField, {kNoField, kNoField}, true, "", kPassportRight},
};

using Password = CCardPassword;
constexpr DisplayItem kPassword[] = {
    {K::Row, "System : ", Password::System},
    {K::Row, "Username : ", Password::Username},
    {K::Row, "Access Info : ", Password::AccessInfo},
    {K::Hidden, "", Password::Password},
};

using Prescription = CCardPrescription;
constexpr DisplayItem kPrescription[] = {
    {K::Row, "Drug Name : ", Prescription::DrugName},
    {K::Row, "Amount : ", Prescription::Amount},
    {K::Row, "When To Take : ", Prescription::WhenToTake},
    {K::Row, "Brand : ", Prescription::Brand},
    {K::Row, "Purchase Date : ", Prescription::PurchaseDate},
    {K::Row, "Pharmacy : ", Prescription::Pharmacy},
    {K::Row, "Doctor : ", Prescription::Doctor},
    {K::Row, "Doctors Phone : ", Prescription::DoctorsPhone},
};

using Serial = CCardSerialNumber;
constexpr DisplayItem kSerialNumber[] = {
    {K::Heading, "", Serial::Product},
    {K::Row, "Brand : ", Serial::Brand},
    {K::Row, "Serial Number : ", Serial::SerialNumber},
    {K::Row, "Model Number : ", Serial::ModelNumber},
    {K::Row, "Purchase Location : ", Serial::PurchaseLocation},
    {K::Row, "Purchase Date : ", Serial::PurchaseDate},
};

using Ssn = CCardSocialSecurityNumber;
constexpr DisplayItem kSocialSecurity[] = {
    {K::Heading, "Social Security"},
    {K::Centred, "", Ssn::Ssn},
    {K::Centred, "", Ssn::HolderName, kNoField, {kNoField, kNoField}, true},
};

using Software = CCardSoftwareSerialNumber;
constexpr DisplayItem kSoftwareSerial[] = {
    {K::Heading, "", Software::Title},
    {K::Row, "Manufacturer : ", Software::Manufacturer},
    {K::Row, "Version : ", Software::Version},
    {K::Row, " : ", Software::SoftwareTypeValue, Software::SoftwareType},
    {K::Row, "Purchase Date : ", Software::PurchaseDate},
    {K::Row, "Purchased Form : ", Software::PurchasedFrom},
};

using VoiceMail = CCardVoiceMailInfo;
constexpr DisplayItem kVoiceMail[] = {
    {K::Row, "Access Number : ", VoiceMail::AccessNumber},
    {K::Pair, "Play : ", VoiceMail::Play},
    {K::Pair, "Delete It : ", VoiceMail::DeleteIt},
    {K::Pair, "Save : ", VoiceMail::Save},
    {K::Pair, "Record : ", VoiceMail::Record},
    {K::Pair, "Next : ", VoiceMail::Next},
    {K::Pair, "Prev : ", VoiceMail::Prev},
    {K::Pair, "Rewind : ", VoiceMail::Rewind},
    {K::Pair, "FFwd : ", VoiceMail::Ffwd},
    {K::Pair, "Help : ", VoiceMail::Help},
    {K::Row, "Password : ", VoiceMail::Password},
};

using Voter = CCardVoterCard;
constexpr int kWardColumn = 15;
constexpr int kPrecinctColumn = 95;
constexpr int kIssueDateColumn = 175;
constexpr int kSenateColumn = 85;
constexpr int kRepresentativeColumn = 150;
constexpr DisplayItem kVoterCard[] = {
    {K::Heading, "", Voter::HolderName},
    {K::Row, "Voter Number : ", Voter::VoterNumber},
    {K::Cell, "Ward : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kWardColumn},
    {K::Cell, "Precinct : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kPrecinctColumn},
    {K::Cell, "Issue Date : ", kNoField, kNoField, {kNoField, kNoField}, false, "", kIssueDateColumn},
    {K::Cell, "", Voter::Ward, kNoField, {kNoField, kNoField}, false, "", kWardColumn},
    {K::Cell, "", Voter::Precinct, kNoField, {kNoField, kNoField}, false, "", kPrecinctColumn},
    {K::Cell, "", Voter::IssueDate, kNoField, {kNoField, kNoField}, false, "", kIssueDateColumn},
    {K::Row, "Voting Location : ", Voter::VotingLocation},
    {K::Row, "Congress : ", Voter::Congress},
    {K::Cell, "State", kNoField, kNoField, {kNoField, kNoField}, false, "", kSenateColumn},
    {K::Cell, "State", kNoField, kNoField, {kNoField, kNoField}, false, "", kRepresentativeColumn},
    {K::Cell, "Senate", kNoField, kNoField, {kNoField, kNoField}, false, "", kSenateColumn},
    {K::Cell, "Representative", kNoField, kNoField, {kNoField, kNoField}, false, "", kRepresentativeColumn},
    {K::Cell, "", Voter::StateSenate, kNoField, {kNoField, kNoField}, false, "", kSenateColumn},
    {K::Cell, "", Voter::StateRepresentative, kNoField, {kNoField, kNoField}, false, "", kRepresentativeColumn},
};

using Web = CCardWebSite;
constexpr DisplayItem kWebSite[] = {
    {K::Row, "Site Name : ", Web::SiteName},
    {K::Row, "Username : ", Web::Username},
    {K::Link, "URL : ", Web::Url},
    {K::Hidden, "", Web::Password},
};

constexpr CardDisplayLayout kLayouts[] = {
    {0, kBankAccount, kPinCaptions},
    {1, kBirthday},
    {2, kCalling, kPinCaptions},
    {3, kCarInfo},
    {4, kClothesSizes},
    {5, kCombinationLock, kPlainCaptions},
    {6, kContact, {}, kContactLinePitch},
    {8, kDriversLicense},
    {9, kEmergencyNumbers},
    {10, {}, {}, 0, true},
    {11, kGeneralPurpose},
    {12, kHealthNumbers},
    {13, kIdCard},
    {14, kInsurancePolicy},
    {15, kLensPrescription},
    {16, kLibraryCard},
    {17, kMembershipInfo},
    {18, kPassportInfo},
    {19, kPassword, kPasswordCaptions},
    {20, kPrescription},
    {21, kSerialNumber},
    {22, kSocialSecurity},
    {23, kSoftwareSerial},
    {24, kVoiceMail},
    {25, kVoterCard},
    {26, kWebSite, kPasswordCaptions},
};

} // namespace

const CardDisplayLayout* cardDisplayLayout(int typeId)
{
    const auto found = std::ranges::find(kLayouts, typeId, &CardDisplayLayout::typeId);
    return found == std::end(kLayouts) ? nullptr : found;
}

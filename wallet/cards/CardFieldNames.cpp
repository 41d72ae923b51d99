#include "cards/CardFieldNames.h"

#include "cards/CardTypeTable.h"
#include "model/Node.h"

#include <charconv>
#include <cctype>
#include <string>

namespace {

using Names = std::span<const char* const>;

constexpr const char* kBankAccount[] = {"accountType", "accountNumber", "bankName", "pin", "sortCode", "swift", "telephone", "accountTypeIndex"};
constexpr const char* kBirthday[] = {"person", "birthday"};
constexpr const char* kCalling[] = {"accessNumber", "cardNumber", "cardProvider", "lostCardNumber", "pin"};
constexpr const char* kCarInfo[] = {"cylinders", "expiresOn", "insuranceCompany", "insuranceExpiresOn", "insurancePhone", "licenceNumber",
                                    "make", "model", "policyNumber", "vehicleNumber", "year"};
constexpr const char* kClothesSize[] = {"glove", "inseam", "neck", "pants", "shirt", "shoe", "sizeFor", "skirt", "suit", "waist"};
constexpr const char* kCombinationLock[] = {"combination", "location", "lock"};
constexpr const char* kContact[] = {"firstName", "lastName", "title", "company", "workPhone", "homePhone", "fax",
                                    "email", "address", "city", "state", "zip", "country"};
constexpr const char* kCreditCard[] = {"cardNumber", "cardProvider", "cardType", "expires", "nameOnCard", "lostCardNumber", "pin", "cardTypeIndex"};
constexpr const char* kDriversLicense[] = {"dateIssued", "licenseNumber", "location", "expirationDate"};
constexpr const char* kEmergencyNumbers[] = {"ambulance", "custom1", "custom2", "custom3", "customValue1", "customValue2",
                                             "customValue3", "doctor", "fire", "poison", "police"};
constexpr const char* kFreeForm[] = {"smallFont"};
constexpr const char* kGeneralPurpose[] = {"label1", "label2", "label3", "label4", "label5", "label6", "value1",
                                           "value2", "value3", "value4", "value5", "value6", "title"};
constexpr const char* kHealthNumbers[] = {"group", "idNumber", "plan", "planSponsor", "telephone"};
constexpr const char* kIdCard[] = {"cardTitle", "countryOrOrganization", "idNumber", "holderName"};
constexpr const char* kInsurancePolicy[] = {"expiresOn", "insuranceCompany", "policyNumber", "telephone", "type", "typeIndex"};
constexpr const char* kLensPrescription[] = {"doctorName", "doctorPhone", "lensType", "leftBaseCurve", "leftDiameter",
                                             "leftPower", "rightBaseCurve", "rightDiameter", "rightPower", "pupilDistance"};
constexpr const char* kLibraryCard[] = {"library", "libraryCardNumber"};
constexpr const char* kMembershipInfo[] = {"company", "idNumber", "telephone", "expiresOn"};
constexpr const char* kPassportInfo[] = {"type", "stateCode", "passportNo", "surname", "dateOfBirth", "sex",
                                         "givenNames", "placeOfBirth", "nationality", "dateOfIssue", "dateOfExpiry", "authority"};
constexpr const char* kPassword[] = {"system", "username", "password", "accessInfo"};
constexpr const char* kPrescription[] = {"drugName", "amount", "whenToTake", "brand", "purchaseDate", "pharmacy", "doctor", "doctorsPhone"};
constexpr const char* kSerialNumber[] = {"product", "brand", "serialNumber", "modelNumber", "purchaseLocation", "purchaseDate"};
constexpr const char* kSocialSecurityNumber[] = {"holderName", "ssn"};
constexpr const char* kSoftwareSerialNumber[] = {"title", "version", "manufacturer", "purchasedFrom", "purchaseDate",
                                                 "supportInfo", "softwareTypeValue", "softwareType", "softwareTypeIndex"};
constexpr const char* kVoiceMailInfo[] = {"accessNumber", "password", "play", "deleteIt", "save", "record",
                                          "next", "prev", "rewind", "ffwd", "help"};
constexpr const char* kVoterCard[] = {"holderName", "voterNumber", "ward", "precinct", "issueDate",
                                      "votingLocation", "congress", "stateSenate", "stateRepresentative"};
constexpr const char* kWebSite[] = {"siteName", "username", "password", "url"};

constexpr Names kFieldNames[IconNames::kCardTypeCount] = {
    kBankAccount, kBirthday, kCalling, kCarInfo, kClothesSize, kCombinationLock, kContact, kCreditCard, kDriversLicense,
    kEmergencyNumbers, kFreeForm, kGeneralPurpose, kHealthNumbers, kIdCard, kInsurancePolicy, kLensPrescription,
    kLibraryCard, kMembershipInfo, kPassportInfo, kPassword, kPrescription, kSerialNumber, kSocialSecurityNumber,
    kSoftwareSerialNumber, kVoiceMailInfo, kVoterCard, kWebSite,
};

// Letters and digits only, in lower case.
std::string folded(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

} // namespace

std::span<const char* const> kindFieldNames(int typeId) { return kFieldNames[typeId]; }

int kindFieldIndex(int typeId, std::string_view name)
{
    const Names names = kindFieldNames(typeId);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == names[i])
            return static_cast<int>(i);
    }
    return -1;
}

int typeIdFromKindName(std::string_view name)
{
    int number = 0;
    const auto [end, failure] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (failure == std::errc() && end == name.data() + name.size())
        return number >= CNode::kCategoryTypeId && number < IconNames::kCardTypeCount ? number : kNoKind;
    const std::string wanted = folded(name);
    for (int typeId = CNode::kCategoryTypeId; typeId < IconNames::kCardTypeCount; ++typeId) {
        if (!wanted.empty() && folded(cardTypeRow(typeId).displayName) == wanted)
            return typeId;
    }
    return kNoKind;
}

// The names of the wallet's icons and the order in which they are numbered.
//
// An icon's name is its path below the icon base folder: the standard folder
// "media\icons\Standart\" or the custom folder "media\icons\Custom\" followed
// by the file name. The plain icons are numbered: the five special icons,
// the default icons of the 27 card types in type-id order, then the custom
// icons in the order of the folder listing. Behind the N plain icons follow
// the category variants of every plain icon from index 5 on.
#pragma once

#include "IconIndex.h"

#include <unordered_map>
#include <vector>

namespace IconNames {

inline constexpr const char* kStandardFolder = "media\\icons\\Standart\\";
inline constexpr const char* kCustomFolder = "media\\icons\\Custom\\";

// Fixed image indexes.
inline constexpr int kUpIndex = 0;
inline constexpr int kDefaultCategoryIndex = 1;
inline constexpr int kMissingIconIndex = 2;
inline constexpr int kCategorySignIndex = 3;
inline constexpr int kWalletIndex = 4;
// The value that stands for "no image"; it has no variant.
inline constexpr int kNoImage = 65535;

inline constexpr int kSpecialCount = 5;
inline constexpr int kCardTypeCount = 27;

// The special icon files, by their fixed index.
inline constexpr const char* kSpecialFiles[kSpecialCount] = {
    "up.ico", "DefaultCategory.ico", "MissingIcon.ico", "CategorySign.ico", "Wallet.ico",
};

// The default icon file of each card type, by type id.
inline constexpr const char* kCardTypeFiles[kCardTypeCount] = {
    "BankAccount.ico", "BirthDay.ico", "CallingCard.ico", "CarInfo.ico", "ClothesSizes.ico",
    "CombinationLock.ico", "Contact.ico", "CreditCard.ico", "DriversLicence.ico", "EmergencyNumbers.ico",
    "FreeForm.ico", "GeneralPurpose.ico", "HealthNumbers.ico", "IDCard.ico", "InsurancyPolicy.ico",
    "LensPrescription.ico", "LibraryCard.ico", "MembershipInfo.ico", "PassportInfo.ico", "Password.ico",
    "Prescription.ico", "SerialNumber.ico", "SocialSecurityNumber.ico", "SoftwareSerialNumber.ico",
    "VoiceMailInfo.ico", "VoterCard.ico", "WebSite.ico",
};

// The image index of the default icon of card type `typeId` (0 to 26).
constexpr int cardTypeIconIndex(int typeId) { return kSpecialCount + typeId; }

CString standardName(const char* file);
CString customName(const char* file);

} // namespace IconNames

// The icon names in catalogue order, for a given list of custom icon files.
class CIconNames : public IIconIndex {
public:
    // The custom files in the order the folder listing returned them.
    explicit CIconNames(const std::vector<CString>& customFiles = {});

    int imageIndex(const CString& name, bool plain) const override;
    int variantIndex(int index) const override;
    const CString& iconName(int index) const override;

    // N: the number of plain icons.
    int plainCount() const { return static_cast<int>(m_names.size()); }
    // Every image the catalogue numbers: the plain icons and their variants.
    int imageCount() const { return 2 * plainCount() - IconNames::kSpecialCount; }
    // The plain icons' names, index-aligned.
    const std::vector<CString>& names() const { return m_names; }

private:
    std::vector<CString> m_names;
    // Every card asks for its icon by name when it is read.
    std::unordered_map<CString, int> m_indexOf;
};

// The index arithmetic over any name vector of plain icons, shared with the
// icon catalogue, which keeps its own copy of the names.
namespace IconIndexing {

int variantIndex(int plainCount, int index);
const CString& iconName(const std::vector<CString>& names, int index);

} // namespace IconIndexing

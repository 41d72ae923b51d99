// Every card kind as the tests see it: how to make one from its text fields
// (in stored order; the few numbers get fixed values), what its export
// writes for the texts t0, t1, ..., and which texts the search looks at.
#pragma once

#include "cards/CardKinds.h"

#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

using Texts = std::vector<CString>;

struct KindCase {
    int typeId;
    const char* className;
    int textCount;
    std::function<std::unique_ptr<CFieldCard>(const Texts&)> make;
    // Label and value of each line between "Card Name : " and "Notes : ".
    std::vector<std::pair<const char*, const char*>> exportLines;
    std::set<int> searched;
    std::set<int> hidden;
    bool notesLine = true;
};

inline std::set<int> allTexts(int count)
{
    std::set<int> texts;
    for (int i = 0; i < count; ++i)
        texts.insert(i);
    return texts;
}

inline const std::vector<KindCase>& kindCases()
{
    using Eye = CCardLensPrescription::EyeValues;
    static const std::vector<KindCase> cases = {
        {0, "CCardBankAccount", 7,
         [](const Texts& t) { return std::make_unique<CCardBankAccount>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6]); },
         {{"Accont Type : ", "t0"}, {"Bank Name : ", "t2"}, {"Sort Code : ", "t4"}, {"Telephone : ", "t6"}, {"SWIFT : ", "t5"},
          {"Pin : ", "t3"}, {"Account Number : ", "t1"}},
         {0, 1, 2, 4, 5, 6}, {3}},
        {1, "CCardBirthdayCard", 2, [](const Texts& t) { return std::make_unique<CCardBirthdayCard>("N", "n", t[0], t[1]); },
         {{"Person : ", "t0"}, {"Birthday : ", "t1"}}, allTexts(2), {}},
        {2, "CCardCalling", 5, [](const Texts& t) { return std::make_unique<CCardCalling>("N", "n", t[0], t[1], t[2], t[3], t[4]); },
         {{"Access Number : ", "t0"}, {"Card Number : ", "t1"}, {"Pin : ", "t4"}, {"Card Provider : ", "t2"},
          {"Call if card is lost: ", "t3"}},
         {0, 1, 2, 3}, {4}},
        {3, "CCardCarInfo", 10,
         [](const Texts& t) { return std::make_unique<CCardCarInfo>("N", "n", 4, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9]); },
         {{"Make : ", "t5"}, {"Model : ", "t6"}, {"Licence Number : ", "t4"}, {"Expires On  : ", "t0"}, {"Vehicle Number : ", "t8"},
          {"Insurance Company : ", "t1"}, {"Policy Number : ", "t7"}, {"Insurance Phone : ", "t3"}, {"Insurance Expired On: ", "t2"}},
         allTexts(9), {}},
        {4, "CCardClothesSize", 10,
         [](const Texts& t) {
             return std::make_unique<CCardClothesSize>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9]);
         },
         {{"Size For : ", "t6"}, {"Suit : ", "t8"}, {"Waist : ", "t9"}, {"Inseam : ", "t1"}, {"Shoe : ", "t5"}, {"Pants : ", "t3"},
          {"Skirt : ", "t7"}, {"Shirt : ", "t4"}, {"Neck : ", "t2"}, {"Glove : ", "t0"}},
         allTexts(10), {}},
        {5, "CCardCombinationLock", 3, [](const Texts& t) { return std::make_unique<CCardCombinationLock>("N", "n", t[0], t[1], t[2]); },
         {{"Lock : ", "t2"}, {"Location : ", "t1"}, {"Combination : ", "t0"}}, allTexts(3), {}},
        {6, "CCardContact", 13,
         [](const Texts& t) {
             return std::make_unique<CCardContact>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11], t[12]);
         },
         {{"First Name : ", "t0"}, {"Last Name : ", "t1"}, {"Title : ", "t2"}, {"Company : ", "t3"}, {"Work Phone : ", "t4"},
          {"Home Phone : ", "t5"}, {"Fax : ", "t6"}, {"Email : ", "t7"}, {"Address : ", "t8"}, {"City : ", "t9"}, {"State : ", "t10"},
          {"ZIP : ", "t11"}, {"Country : ", "t12"}},
         allTexts(13), {}, false},
        {7, "CCardCreditCard", 7,
         [](const Texts& t) { return std::make_unique<CCardCreditCard>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6]); },
         {{"Card Provider : ", "t1"}, {"Card Type : ", "t2"}, {"Card Number : ", "t0"}, {"Expires : ", "t3"}, {"Pin : ", "t6"},
          {"Name On Card : ", "t4"}, {"Number To Call If Card Is Lost : ", "t5"}},
         allTexts(6), {6}},
        {8, "CCardDriversLicense", 4, [](const Texts& t) { return std::make_unique<CCardDriversLicense>("N", "n", t[0], t[1], t[2], t[3]); },
         {{"License Number : ", "t1"}, {"Date Issued : ", "t0"}, {"Expiration Date : ", "t3"}}, allTexts(4), {}},
        {9, "CCardEmergensyNumbers", 11,
         [](const Texts& t) {
             return std::make_unique<CCardEmergensyNumbers>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10]);
         },
         {{"Fire : ", "t8"}, {"Ambulance : ", "t0"}, {"Police : ", "t10"}, {"Doctor : ", "t7"}, {"Poison : ", "t9"}, {"Custom 1 : ", "t1"},
          {"Custom 2 : ", "t2"}, {"Custom 3 : ", "t3"}, {"Custom Value 1 : ", "t4"}, {"Custom Value 2 : ", "t5"},
          {"Custom Value 3 : ", "t6"}},
         allTexts(11), {}},
        {10, "CCardFreeForm", 0, [](const Texts&) { return std::make_unique<CCardFreeForm>("N", "n", true); }, {}, {}, {}},
        {11, "CCardGeneralPurpose", 13,
         [](const Texts& t) {
             return std::make_unique<CCardGeneralPurpose>(
                 "N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11], t[12]);
         },
         // The captions t0 to t5 are the labels of their values' lines.
         {{"Title : ", "t12"}, {"t0", "t6"}, {"t1", "t7"}, {"t2", "t8"}, {"t3", "t9"}, {"t4", "t10"}, {"t5", "t11"}},
         allTexts(13), {}},
        {12, "CCardHealthNumbers", 5, [](const Texts& t) { return std::make_unique<CCardHealthNumbers>("N", "n", t[0], t[1], t[2], t[3], t[4]); },
         {{"Id Number : ", "t1"}, {"Group : ", "t0"}, {"Plan : ", "t2"}, {"Telephone : ", "t4"}, {"Plan Sponsor : ", "t3"}}, allTexts(5), {}},
        {13, "CCardIdCard", 4, [](const Texts& t) { return std::make_unique<CCardIdCard>("N", "n", t[0], t[1], t[2], t[3]); },
         {{"Card Title : ", "t0"}, {"Country Or Organization : ", "t1"}, {"Name : ", "t3"}, {"Id Number : ", "t2"}}, allTexts(4), {}},
        {14, "CCardInsurancePolicy", 5,
         [](const Texts& t) { return std::make_unique<CCardInsurancePolicy>("N", "n", t[0], t[1], t[2], t[3], t[4]); },
         {{"Insurance Company : ", "t1"}, {"Policy Number : ", "t2"}, {"Type : ", "t4"}, {"Expires On : ", "t0"}, {"Telephone : ", "t3"}},
         allTexts(5), {}},
        {15, "CCardLensPrescription", 2,
         [](const Texts& t) { return std::make_unique<CCardLensPrescription>("N", "n", t[0], t[1], 1, Eye{-2, 8, 14}, Eye{3, 9, 15}, 62); },
         {{"Doctor name : ", "t0"}, {"Doctor phone : ", "t1"}, {"Lens type : ", "Eyeglasses"}, {"Left eye power: ", "-2"},
          {"Left eye base curve: ", "8"}, {"Left eye diameter: ", "14"}, {"|Right eye power: ", "3"}, {"Right eye base curve: ", "9"},
          {"Right eye diameter: ", "15"}},
         allTexts(2), {}},
        {16, "CCardLibraryCard", 2, [](const Texts& t) { return std::make_unique<CCardLibraryCard>("N", "n", t[0], t[1]); },
         {{"Library : ", "t0"}, {"Library Card Number : ", "t1"}}, allTexts(2), {}},
        {17, "CCardMembershipInfo", 4, [](const Texts& t) { return std::make_unique<CCardMembershipInfo>("N", "n", t[0], t[1], t[2], t[3]); },
         {{"Company : ", "t0"}, {"IdNumber : ", "t1"}, {"Telephone : ", "t2"}, {"ExpiresOn : ", "t3"}}, allTexts(4), {}},
        {18, "CCardPassportInfo", 12,
         [](const Texts& t) {
             return std::make_unique<CCardPassportInfo>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]);
         },
         {{"Type ", "t0"}, {"State Code ", "t1"}, {"Passport No ", "t2"}, {"Surname ", "t3"}, {"Date Of Birth: ", "t4"}, {"Sex : ", "t5"},
          {"Given Names : ", "t6"}, {"Place Of Birth : ", "t7"}, {"Nationality : ", "t8"}, {"Date Of Issue : ", "t9"},
          {"Date Of Expiry : ", "t10"}, {"Authority : ", "t11"}},
         allTexts(12), {}},
        {19, "CCardPassword", 4, [](const Texts& t) { return std::make_unique<CCardPassword>("N", "n", t[0], t[1], t[2], t[3]); },
         {{"System : ", "t0"}, {"Username : ", "t1"}, {"Password : ", "t2"}, {"Access Info : ", "t3"}}, {0, 1, 3}, {2}},
        {20, "CCardPrescription", 8,
         [](const Texts& t) { return std::make_unique<CCardPrescription>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]); },
         {{"Drug Name : ", "t0"}, {"Amount : ", "t1"}, {"When To Take : ", "t2"}, {"Brand : ", "t3"}, {"Purchase Date : ", "t4"},
          {"Pharmacy : ", "t5"}, {"Doctor : ", "t6"}, {"Doctors Phone : ", "t7"}},
         {0, 1, 2, 3, 5, 6, 7}, {}},
        {21, "CCardSerialNumber", 6,
         [](const Texts& t) { return std::make_unique<CCardSerialNumber>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5]); },
         {{"Product : ", "t0"}, {"Brand : ", "t1"}, {"Serial Number : ", "t2"}, {"Model Number : ", "t3"}, {"Purchase Location : ", "t4"},
          {"Purchase Date : ", "t5"}},
         allTexts(6), {}},
        {22, "CCardSocialSecurityNumber", 2, [](const Texts& t) { return std::make_unique<CCardSocialSecurityNumber>("N", "n", t[0], t[1]); },
         {{"Name : ", "t0"}, {"Social Security Number : ", "t1"}}, allTexts(2), {}},
        {23, "CCardSoftwareSerialNumber", 8,
         [](const Texts& t) { return std::make_unique<CCardSoftwareSerialNumber>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]); },
         {{"Title : ", "t0"}, {"Version : ", "t1"}, {"Manufacturer : ", "t2"}, {"Purchased Form : ", "t3"}, {"Purchase Date : ", "t4"},
          {"Support Info : ", "t5"}, {"Software Type Value : ", "t6"}, {"Software Type : ", "t7"}},
         allTexts(8), {}},
        {24, "CCardVoiceMailInfo", 11,
         [](const Texts& t) {
             return std::make_unique<CCardVoiceMailInfo>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10]);
         },
         {{"Access Number : ", "t0"}, {"Password : ", "t1"}, {"Play : ", "t2"}, {"Delete It : ", "t3"}, {"Save : ", "t4"},
          {"Record : ", "t5"}, {"Next : ", "t6"}, {"Prev : ", "t7"}, {"Rewind : ", "t8"}, {"FFwd : ", "t9"}, {"Help : ", "t10"}},
         allTexts(11), {}},
        {25, "CCardVoterCard", 9,
         [](const Texts& t) { return std::make_unique<CCardVoterCard>("N", "n", t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]); },
         {{"Name : ", "t0"}, {"Voter Number : ", "t1"}, {"Ward : ", "t2"}, {"Precinct : ", "t3"}, {"Issue Date : ", "t4"},
          {"Voting Location : ", "t5"}, {"Congress : ", "t6"}, {"State Senate : ", "t7"}, {"State Representative : ", "t8"}},
         allTexts(9), {}},
        {26, "CCardWebSite", 4, [](const Texts& t) { return std::make_unique<CCardWebSite>("N", "n", t[0], t[1], t[2], t[3]); },
         {{"Site Name : ", "t0"}, {"Username : ", "t1"}, {"Password : ", "t2"}, {"URL : ", "t3"}}, allTexts(4), {}},
    };
    return cases;
}

// The texts t0, t1, ... of a kind.
inline Texts numberedTexts(int count, const char* prefix = "t")
{
    Texts texts;
    for (int i = 0; i < count; ++i)
        texts.push_back(FormatString("%s%d", prefix, i));
    return texts;
}

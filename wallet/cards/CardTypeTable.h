// The display name and default icon file of categories and of every card
// kind, one row per type id + 1.
#pragma once

#include "images/IconNames.h"

struct CardTypeRow {
    const char* displayName;
    const char* iconFile;
};

inline constexpr int kCardTypeRows = 1 + IconNames::kCardTypeCount;

inline constexpr CardTypeRow kCardTypeTable[kCardTypeRows] = {
    {"Category", IconNames::kSpecialFiles[IconNames::kDefaultCategoryIndex]},
    {"Bank Account", IconNames::kCardTypeFiles[0]},
    {"Birthday", IconNames::kCardTypeFiles[1]},
    {"Calling Card", IconNames::kCardTypeFiles[2]},
    {"Car Info", IconNames::kCardTypeFiles[3]},
    {"Clothes Sizes", IconNames::kCardTypeFiles[4]},
    {"Combination Lock", IconNames::kCardTypeFiles[5]},
    {"Contact", IconNames::kCardTypeFiles[6]},
    {"Credit Card", IconNames::kCardTypeFiles[7]},
    {"Driver's License", IconNames::kCardTypeFiles[8]},
    {"Emergency Numbers", IconNames::kCardTypeFiles[9]},
    {"Free Form", IconNames::kCardTypeFiles[10]},
    {"General Purpose", IconNames::kCardTypeFiles[11]},
    {"Health Numbers", IconNames::kCardTypeFiles[12]},
    {"ID Card", IconNames::kCardTypeFiles[13]},
    {"Insurance Policy", IconNames::kCardTypeFiles[14]},
    {"Lens Prescription", IconNames::kCardTypeFiles[15]},
    {"Library Card", IconNames::kCardTypeFiles[16]},
    {"Membership Info", IconNames::kCardTypeFiles[17]},
    {"Passport Info", IconNames::kCardTypeFiles[18]},
    {"Password", IconNames::kCardTypeFiles[19]},
    {"Prescription", IconNames::kCardTypeFiles[20]},
    {"Serial Number", IconNames::kCardTypeFiles[21]},
    {"Social Security Number", IconNames::kCardTypeFiles[22]},
    {"Software Serial Number", IconNames::kCardTypeFiles[23]},
    {"Voice Mail Info", IconNames::kCardTypeFiles[24]},
    {"Voter Card", IconNames::kCardTypeFiles[25]},
    {"Web Site", IconNames::kCardTypeFiles[26]},
};

// The row of a type id (-1 for a category, 0 to 26 for the card kinds).
constexpr const CardTypeRow& cardTypeRow(int typeId) { return kCardTypeTable[typeId + 1]; }

#include "CardEmergensyNumbers.h"

namespace {

using Card = CCardEmergensyNumbers;

constexpr auto kFields = textFields<11>();
constexpr ExportLine kExportLines[] = {
    {"Fire : ", Card::Fire},
    {"Ambulance : ", Card::Ambulance},
    {"Police : ", Card::Police},
    {"Doctor : ", Card::Doctor},
    {"Poison : ", Card::Poison},
    {"Custom 1 : ", Card::Custom1},
    {"Custom 2 : ", Card::Custom2},
    {"Custom 3 : ", Card::Custom3},
    {"Custom Value 1 : ", Card::CustomValue1},
    {"Custom Value 2 : ", Card::CustomValue2},
    {"Custom Value 3 : ", Card::CustomValue3},
};
constexpr SearchField kSearched[] = {
    {Card::Fire},
    {Card::Ambulance},
    {Card::Police},
    {Card::Doctor},
    {Card::Poison},
    {Card::Custom1},
    {Card::Custom2},
    {Card::Custom3},
    {Card::CustomValue1},
    {Card::CustomValue2},
    {Card::CustomValue3},
};

constexpr CardKind kKind = {
    .typeId = 9,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardEmergensyNumbers::CCardEmergensyNumbers() : CFieldCard(kKind) {}

CCardEmergensyNumbers::CCardEmergensyNumbers(const CString& name, const CString& notes, const CString& ambulance, const CString& custom1,
                                             const CString& custom2, const CString& custom3, const CString& customValue1,
                                             const CString& customValue2, const CString& customValue3, const CString& doctor,
                                             const CString& fire, const CString& poison, const CString& police)
    : CFieldCard(kKind)
{
    update(name, notes, ambulance, custom1, custom2, custom3, customValue1, customValue2, customValue3, doctor, fire, poison, police);
}

void CCardEmergensyNumbers::update(const CString& name, const CString& notes, const CString& ambulance, const CString& custom1,
                                   const CString& custom2, const CString& custom3, const CString& customValue1, const CString& customValue2,
                                   const CString& customValue3, const CString& doctor, const CString& fire, const CString& poison,
                                   const CString& police)
{
    assign(name, notes, {ambulance, custom1, custom2, custom3, customValue1, customValue2, customValue3, doctor, fire, poison, police});
}

#include "CardClothesSize.h"

namespace {

using Card = CCardClothesSize;

constexpr auto kFields = textFields<10>();
constexpr ExportLine kExportLines[] = {
    {"Size For : ", Card::SizeFor},
    {"Suit : ", Card::Suit},
    {"Waist : ", Card::Waist},
    {"Inseam : ", Card::Inseam},
    {"Shoe : ", Card::Shoe},
    {"Pants : ", Card::Pants},
    {"Skirt : ", Card::Skirt},
    {"Shirt : ", Card::Shirt},
    {"Neck : ", Card::Neck},
    {"Glove : ", Card::Glove},
};
constexpr SearchField kSearched[] = {
    {Card::SizeFor},
    {Card::Suit},
    {Card::Waist},
    {Card::Inseam},
    {Card::Shoe},
    {Card::Pants},
    {Card::Skirt},
    {Card::Shirt},
    {Card::Neck},
    {Card::Glove},
};

constexpr CardKind kKind = {
    .typeId = 4,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardClothesSize::CCardClothesSize() : CFieldCard(kKind) {}

CCardClothesSize::CCardClothesSize(const CString& name, const CString& notes, const CString& glove, const CString& inseam,
                                   const CString& neck, const CString& pants, const CString& shirt, const CString& shoe,
                                   const CString& sizeFor, const CString& skirt, const CString& suit, const CString& waist)
    : CFieldCard(kKind)
{
    update(name, notes, glove, inseam, neck, pants, shirt, shoe, sizeFor, skirt, suit, waist);
}

void CCardClothesSize::update(const CString& name, const CString& notes, const CString& glove, const CString& inseam, const CString& neck,
                              const CString& pants, const CString& shirt, const CString& shoe, const CString& sizeFor, const CString& skirt,
                              const CString& suit, const CString& waist)
{
    assign(name, notes, {glove, inseam, neck, pants, shirt, shoe, sizeFor, skirt, suit, waist});
}

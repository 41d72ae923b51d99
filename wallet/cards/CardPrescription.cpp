#include "CardPrescription.h"

namespace {

using Card = CCardPrescription;

constexpr auto kFields = textFields<8>();
constexpr ExportLine kExportLines[] = {
    {"Drug Name : ", Card::DrugName},
    {"Amount : ", Card::Amount},
    {"When To Take : ", Card::WhenToTake},
    {"Brand : ", Card::Brand},
    {"Purchase Date : ", Card::PurchaseDate},
    {"Pharmacy : ", Card::Pharmacy},
    {"Doctor : ", Card::Doctor},
    {"Doctors Phone : ", Card::DoctorsPhone},
};
constexpr SearchField kSearched[] = {
    {Card::DrugName},
    {Card::Amount},
    {Card::WhenToTake},
    {Card::Brand},
    {Card::Pharmacy},
    {Card::Doctor},
    {Card::DoctorsPhone},
};

constexpr CardKind kKind = {
    .typeId = 20,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardPrescription::CCardPrescription() : CFieldCard(kKind) {}

CCardPrescription::CCardPrescription(const CString& name, const CString& notes, const CString& drugName, const CString& amount,
                                     const CString& whenToTake, const CString& brand, const CString& purchaseDate, const CString& pharmacy,
                                     const CString& doctor, const CString& doctorsPhone)
    : CFieldCard(kKind)
{
    update(name, notes, drugName, amount, whenToTake, brand, purchaseDate, pharmacy, doctor, doctorsPhone);
}

void CCardPrescription::update(const CString& name, const CString& notes, const CString& drugName, const CString& amount,
                               const CString& whenToTake, const CString& brand, const CString& purchaseDate, const CString& pharmacy,
                               const CString& doctor, const CString& doctorsPhone)
{
    assign(name, notes, {drugName, amount, whenToTake, brand, purchaseDate, pharmacy, doctor, doctorsPhone});
}

#include "CardGeneralPurpose.h"

namespace {

using Card = CCardGeneralPurpose;

constexpr auto kFields = textFields<13>();
constexpr ExportLine kExportLines[] = {
    {"Title : ", Card::Title},
    {nullptr, Card::Value1, Card::Label1},
    {nullptr, Card::Value2, Card::Label2},
    {nullptr, Card::Value3, Card::Label3},
    {nullptr, Card::Value4, Card::Label4},
    {nullptr, Card::Value5, Card::Label5},
    {nullptr, Card::Value6, Card::Label6},
};
constexpr SearchField kSearched[] = {
    {Card::Title},
    {Card::Label1},
    {Card::Label2},
    {Card::Label3},
    {Card::Label4},
    {Card::Label5},
    {Card::Label6},
    {Card::Value1},
    {Card::Value2},
    {Card::Value3},
    {Card::Value4},
    {Card::Value5},
    {Card::Value6},
};

constexpr CardKind kKind = {
    .typeId = 11,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardGeneralPurpose::CCardGeneralPurpose() : CFieldCard(kKind) {}

CCardGeneralPurpose::CCardGeneralPurpose(const CString& name, const CString& notes, const CString& label1, const CString& label2,
                                         const CString& label3, const CString& label4, const CString& label5, const CString& label6,
                                         const CString& value1, const CString& value2, const CString& value3, const CString& value4,
                                         const CString& value5, const CString& value6, const CString& title)
    : CFieldCard(kKind)
{
    update(name, notes, label1, label2, label3, label4, label5, label6, value1, value2, value3, value4, value5, value6, title);
}

void CCardGeneralPurpose::update(const CString& name, const CString& notes, const CString& label1, const CString& label2,
                                 const CString& label3, const CString& label4, const CString& label5, const CString& label6,
                                 const CString& value1, const CString& value2, const CString& value3, const CString& value4,
                                 const CString& value5, const CString& value6, const CString& title)
{
    assign(name, notes, {label1, label2, label3, label4, label5, label6, value1, value2, value3, value4, value5, value6, title});
}

#include "CardMembershipInfo.h"

namespace {

using Card = CCardMembershipInfo;

constexpr auto kFields = textFields<4>();
constexpr ExportLine kExportLines[] = {
    {"Company : ", Card::Company},
    {"IdNumber : ", Card::IdNumber},
    {"Telephone : ", Card::Telephone},
    {"ExpiresOn : ", Card::ExpiresOn},
};
constexpr SearchField kSearched[] = {
    {Card::Company},
    {Card::IdNumber},
    {Card::Telephone},
    {Card::ExpiresOn},
};

constexpr CardKind kKind = {
    .typeId = 17,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardMembershipInfo::CCardMembershipInfo() : CFieldCard(kKind) {}

CCardMembershipInfo::CCardMembershipInfo(const CString& name, const CString& notes, const CString& company, const CString& idNumber,
                                         const CString& telephone, const CString& expiresOn)
    : CFieldCard(kKind)
{
    update(name, notes, company, idNumber, telephone, expiresOn);
}

void CCardMembershipInfo::update(const CString& name, const CString& notes, const CString& company, const CString& idNumber,
                                 const CString& telephone, const CString& expiresOn)
{
    assign(name, notes, {company, idNumber, telephone, expiresOn});
}

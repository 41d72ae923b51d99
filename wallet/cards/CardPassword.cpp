#include "CardPassword.h"

namespace {

using Card = CCardPassword;

constexpr auto kFields = textFields<4>();
constexpr ExportLine kExportLines[] = {
    {"System : ", Card::System},
    {"Username : ", Card::Username},
    {"Password : ", Card::Password},
    {"Access Info : ", Card::AccessInfo},
};
constexpr SearchField kSearched[] = {
    {Card::System},
    {Card::Username},
    {Card::AccessInfo},
    {Card::Password, true},
};

constexpr CardKind kKind = {
    .typeId = 19,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .newHiddenMode = CCard::kHideHidden,
};

} // namespace

CCardPassword::CCardPassword() : CFieldCard(kKind) {}

CCardPassword::CCardPassword(const CString& name, const CString& notes, const CString& system, const CString& username,
                             const CString& password, const CString& accessInfo)
    : CFieldCard(kKind)
{
    update(name, notes, system, username, password, accessInfo);
}

void CCardPassword::update(const CString& name, const CString& notes, const CString& system, const CString& username,
                           const CString& password, const CString& accessInfo)
{
    assign(name, notes, {system, username, password, accessInfo});
}

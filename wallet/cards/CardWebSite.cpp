#include "CardWebSite.h"

namespace {

using Card = CCardWebSite;

constexpr auto kFields = textFields<4>();
constexpr ExportLine kExportLines[] = {
    {"Site Name : ", Card::SiteName},
    {"Username : ", Card::Username},
    {"Password : ", Card::Password},
    {"URL : ", Card::Url},
};
constexpr SearchField kSearched[] = {
    {Card::SiteName},
    {Card::Username},
    {Card::Password},
    {Card::Url},
};

constexpr CardKind kKind = {
    .typeId = 26,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .newHiddenMode = CCard::kHideHidden,
};

} // namespace

CCardWebSite::CCardWebSite() : CFieldCard(kKind) {}

CCardWebSite::CCardWebSite(const CString& name, const CString& notes, const CString& siteName, const CString& username,
                           const CString& password, const CString& url)
    : CFieldCard(kKind)
{
    update(name, notes, siteName, username, password, url);
}

void CCardWebSite::update(const CString& name, const CString& notes, const CString& siteName, const CString& username,
                          const CString& password, const CString& url)
{
    assign(name, notes, {siteName, username, password, url});
}

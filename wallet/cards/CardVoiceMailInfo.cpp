#include "CardVoiceMailInfo.h"

namespace {

using Card = CCardVoiceMailInfo;

constexpr auto kFields = textFields<11>();
constexpr ExportLine kExportLines[] = {
    {"Access Number : ", Card::AccessNumber},
    {"Password : ", Card::Password},
    {"Play : ", Card::Play},
    {"Delete It : ", Card::DeleteIt},
    {"Save : ", Card::Save},
    {"Record : ", Card::Record},
    {"Next : ", Card::Next},
    {"Prev : ", Card::Prev},
    {"Rewind : ", Card::Rewind},
    {"FFwd : ", Card::Ffwd},
    {"Help : ", Card::Help},
};
constexpr SearchField kSearched[] = {
    {Card::AccessNumber},
    {Card::Password},
    {Card::Play},
    {Card::DeleteIt},
    {Card::Save},
    {Card::Record},
    {Card::Next},
    {Card::Prev},
    {Card::Rewind},
    {Card::Ffwd},
    {Card::Help},
};

constexpr CardKind kKind = {
    .typeId = 24,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardVoiceMailInfo::CCardVoiceMailInfo() : CFieldCard(kKind) {}

CCardVoiceMailInfo::CCardVoiceMailInfo(const CString& name, const CString& notes, const CString& accessNumber, const CString& password,
                                       const CString& play, const CString& deleteIt, const CString& save, const CString& record,
                                       const CString& next, const CString& prev, const CString& rewind, const CString& ffwd,
                                       const CString& help)
    : CFieldCard(kKind)
{
    update(name, notes, accessNumber, password, play, deleteIt, save, record, next, prev, rewind, ffwd, help);
}

void CCardVoiceMailInfo::update(const CString& name, const CString& notes, const CString& accessNumber, const CString& password,
                                const CString& play, const CString& deleteIt, const CString& save, const CString& record,
                                const CString& next, const CString& prev, const CString& rewind, const CString& ffwd, const CString& help)
{
    assign(name, notes, {accessNumber, password, play, deleteIt, save, record, next, prev, rewind, ffwd, help});
}

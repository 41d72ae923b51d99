#include "CardVoterCard.h"

namespace {

using Card = CCardVoterCard;

constexpr auto kFields = textFields<9>();
constexpr ExportLine kExportLines[] = {
    {"Name : ", Card::HolderName},
    {"Voter Number : ", Card::VoterNumber},
    {"Ward : ", Card::Ward},
    {"Precinct : ", Card::Precinct},
    {"Issue Date : ", Card::IssueDate},
    {"Voting Location : ", Card::VotingLocation},
    {"Congress : ", Card::Congress},
    {"State Senate : ", Card::StateSenate},
    {"State Representative : ", Card::StateRepresentative},
};
constexpr SearchField kSearched[] = {
    {Card::HolderName},
    {Card::VoterNumber},
    {Card::Ward},
    {Card::Precinct},
    {Card::IssueDate},
    {Card::VotingLocation},
    {Card::Congress},
    {Card::StateSenate},
    {Card::StateRepresentative},
};

constexpr CardKind kKind = {
    .typeId = 25,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardVoterCard::CCardVoterCard() : CFieldCard(kKind) {}

CCardVoterCard::CCardVoterCard(const CString& name, const CString& notes, const CString& holderName, const CString& voterNumber,
                               const CString& ward, const CString& precinct, const CString& issueDate, const CString& votingLocation,
                               const CString& congress, const CString& stateSenate, const CString& stateRepresentative)
    : CFieldCard(kKind)
{
    update(name, notes, holderName, voterNumber, ward, precinct, issueDate, votingLocation, congress, stateSenate, stateRepresentative);
}

void CCardVoterCard::update(const CString& name, const CString& notes, const CString& holderName, const CString& voterNumber,
                            const CString& ward, const CString& precinct, const CString& issueDate, const CString& votingLocation,
                            const CString& congress, const CString& stateSenate, const CString& stateRepresentative)
{
    assign(name, notes, {holderName, voterNumber, ward, precinct, issueDate, votingLocation, congress, stateSenate, stateRepresentative});
}

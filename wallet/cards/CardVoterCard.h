// A voter registration.
#pragma once

#include "FieldCard.h"

class CCardVoterCard : public CFieldCard {
public:
    enum Field { HolderName, VoterNumber, Ward, Precinct, IssueDate, VotingLocation, Congress, StateSenate, StateRepresentative };

    CCardVoterCard();
    CCardVoterCard(const CString& name, const CString& notes, const CString& holderName, const CString& voterNumber, const CString& ward,
                   const CString& precinct, const CString& issueDate, const CString& votingLocation, const CString& congress,
                   const CString& stateSenate, const CString& stateRepresentative);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& holderName, const CString& voterNumber, const CString& ward,
                const CString& precinct, const CString& issueDate, const CString& votingLocation, const CString& congress,
                const CString& stateSenate, const CString& stateRepresentative);
    CCardVoterCard* clone() override { return new CCardVoterCard(*this); }

    const CString& getHolderName() const { return text(HolderName); }
    const CString& getVoterNumber() const { return text(VoterNumber); }
    const CString& getWard() const { return text(Ward); }
    const CString& getPrecinct() const { return text(Precinct); }
    const CString& getIssueDate() const { return text(IssueDate); }
    const CString& getVotingLocation() const { return text(VotingLocation); }
    const CString& getCongress() const { return text(Congress); }
    const CString& getStateSenate() const { return text(StateSenate); }
    const CString& getStateRepresentative() const { return text(StateRepresentative); }
};

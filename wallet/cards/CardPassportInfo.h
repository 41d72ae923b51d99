// A passport.
#pragma once

#include "FieldCard.h"

class CCardPassportInfo : public CFieldCard {
public:
    enum Field {
        Type,
        StateCode,
        PassportNo,
        Surname,
        DateOfBirth,
        Sex,
        GivenNames,
        PlaceOfBirth,
        Nationality,
        DateOfIssue,
        DateOfExpiry,
        Authority
    };

    CCardPassportInfo();
    CCardPassportInfo(const CString& name, const CString& notes, const CString& type, const CString& stateCode, const CString& passportNo,
                      const CString& surname, const CString& dateOfBirth, const CString& sex, const CString& givenNames,
                      const CString& placeOfBirth, const CString& nationality, const CString& dateOfIssue, const CString& dateOfExpiry,
                      const CString& authority);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& type, const CString& stateCode, const CString& passportNo,
                const CString& surname, const CString& dateOfBirth, const CString& sex, const CString& givenNames,
                const CString& placeOfBirth, const CString& nationality, const CString& dateOfIssue, const CString& dateOfExpiry,
                const CString& authority);
    CCardPassportInfo* clone() override { return new CCardPassportInfo(*this); }

    const CString& getType() const { return text(Type); }
    const CString& getStateCode() const { return text(StateCode); }
    const CString& getPassportNo() const { return text(PassportNo); }
    const CString& getSurname() const { return text(Surname); }
    const CString& getDateOfBirth() const { return text(DateOfBirth); }
    const CString& getSex() const { return text(Sex); }
    const CString& getGivenNames() const { return text(GivenNames); }
    const CString& getPlaceOfBirth() const { return text(PlaceOfBirth); }
    const CString& getNationality() const { return text(Nationality); }
    const CString& getDateOfIssue() const { return text(DateOfIssue); }
    const CString& getDateOfExpiry() const { return text(DateOfExpiry); }
    const CString& getAuthority() const { return text(Authority); }
};

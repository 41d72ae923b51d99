// The login to a system: user name, password and where to reach it.
#pragma once

#include "FieldCard.h"

class CCardPassword : public CFieldCard {
public:
    enum Field { System, Username, Password, AccessInfo };

    CCardPassword();
    CCardPassword(const CString& name, const CString& notes, const CString& system, const CString& username, const CString& password,
                  const CString& accessInfo);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& system, const CString& username, const CString& password,
                const CString& accessInfo);
    CCardPassword* clone() override { return new CCardPassword(*this); }

    const CString& getSystem() const { return text(System); }
    const CString& getUsername() const { return text(Username); }
    const CString& getPassword() const { return text(Password); }
    const CString& getAccessInfo() const { return text(AccessInfo); }
};

// A person to reach: name, phones, mail and address.
#pragma once

#include "FieldCard.h"

class CCardContact : public CFieldCard {
public:
    enum Field { FirstName, LastName, Title, Company, WorkPhone, HomePhone, Fax, Email, Address, City, State, Zip, Country };

    CCardContact();
    CCardContact(const CString& name, const CString& notes, const CString& firstName, const CString& lastName, const CString& title,
                 const CString& company, const CString& workPhone, const CString& homePhone, const CString& fax, const CString& email,
                 const CString& address, const CString& city, const CString& state, const CString& zip, const CString& country);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& firstName, const CString& lastName, const CString& title,
                const CString& company, const CString& workPhone, const CString& homePhone, const CString& fax, const CString& email,
                const CString& address, const CString& city, const CString& state, const CString& zip, const CString& country);
    CCardContact* clone() override { return new CCardContact(*this); }

    const CString& getFirstName() const { return text(FirstName); }
    const CString& getLastName() const { return text(LastName); }
    const CString& getTitle() const { return text(Title); }
    const CString& getCompany() const { return text(Company); }
    const CString& getWorkPhone() const { return text(WorkPhone); }
    const CString& getHomePhone() const { return text(HomePhone); }
    const CString& getFax() const { return text(Fax); }
    const CString& getEmail() const { return text(Email); }
    const CString& getAddress() const { return text(Address); }
    const CString& getCity() const { return text(City); }
    const CString& getState() const { return text(State); }
    const CString& getZip() const { return text(Zip); }
    const CString& getCountry() const { return text(Country); }
};

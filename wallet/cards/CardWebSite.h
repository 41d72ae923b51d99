// The login to a web site (the display hides the password; the search does not).
#pragma once

#include "FieldCard.h"

class CCardWebSite : public CFieldCard {
public:
    enum Field { SiteName, Username, Password, Url };

    CCardWebSite();
    CCardWebSite(const CString& name, const CString& notes, const CString& siteName, const CString& username, const CString& password,
                 const CString& url);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& siteName, const CString& username, const CString& password,
                const CString& url);
    CCardWebSite* clone() override { return new CCardWebSite(*this); }

    const CString& getSiteName() const { return text(SiteName); }
    const CString& getUsername() const { return text(Username); }
    const CString& getPassword() const { return text(Password); }
    const CString& getUrl() const { return text(Url); }
};

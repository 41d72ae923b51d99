// One password's key: an MD5 digest of the password (its UTF-16 units) made
// into an RC4 key by the cryptographic provider. The wallet holds one of
// these, the document key, while it is unlocked.
#pragma once

#include "platform/CString.h"
#include "platform/CryptApi.h"
#include "zenthoLib/Base/RefCntBase.h"

#include "zenthoLib/Base/SmartPtr.h"

class CSizedArray;

class CCryptUtil : public CRefCntBase {
public:
    CCryptUtil() = default;
    ~CCryptUtil() override;
    CCryptUtil(const CCryptUtil&) = delete;
    CCryptUtil& operator=(const CCryptUtil&) = delete;

    // Builds the key from the password (text in the process code page); any
    // earlier key is released first. The password's copies are wiped.
    bool init(const CString& password);
    // Destroys the key and releases the provider.
    void cleanup();
    bool hasKey() const { return hKey != 0; }

    // Each call starts from the freshly keyed cipher, so equal input gives
    // equal output and every buffer decrypts alone.
    bool encrypt(const CSizedArray& input, CSizedArray& output) const;
    bool decrypt(const CSizedArray& input, CSizedArray& output) const;

private:
    HCRYPTKEY hKey = 0;
    HCRYPTPROV hProv = 0;
};

// A key made from the password, or null when the provider failed.
CSmartPtr<CCryptUtil> makePasswordKey(const CString& password);

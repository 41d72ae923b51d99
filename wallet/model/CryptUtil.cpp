#include "model/CryptUtil.h"

#include "platform/CodePage.h"
#include "platform/LastError.h"
#include "platform/SecureWipe.h"
#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/TraceLog.h"

#include <bit>
#include <cstring>

namespace {

constexpr const char* kKeyContainer = "Wallet_App";

// Logs which call failed and its code; never any key or password material.
bool traceFailure(const char* call)
{
    TraceError("CCryptUtil: %s failed (0x%08X)", call, static_cast<unsigned>(GetLastError()));
    return false;
}

} // namespace

CCryptUtil::~CCryptUtil() { cleanup(); }

void CCryptUtil::cleanup()
{
    if (hKey != 0)
        CryptDestroyKey(hKey);
    if (hProv != 0)
        CryptReleaseContext(hProv, 0);
    hKey = 0;
    hProv = 0;
}

bool CCryptUtil::init(const CString& password)
{
    static_assert(std::endian::native == std::endian::little, "the password is hashed as UTF-16LE");
    cleanup();
    if (!CryptAcquireContextA(&hProv, kKeyContainer, MS_DEF_PROV_A, PROV_RSA_FULL, 0)) {
        hProv = 0;
        return traceFailure("CryptAcquireContextA");
    }
    // The digest covers the password's UTF-16 units without the terminator,
    // two bytes per unit.
    std::u16string units = ansiToWide(password.view());
    HCRYPTHASH hash = 0;
    const char* failed = nullptr;
    if (!CryptCreateHash(hProv, CALG_MD5, 0, 0, &hash))
        failed = "CryptCreateHash";
    else if (!CryptHashData(hash, reinterpret_cast<const BYTE*>(units.data()),
                            static_cast<DWORD>(units.size() * sizeof(char16_t)), 0))
        failed = "CryptHashData";
    else if (!CryptDeriveKey(hProv, CALG_RC4, hash, 0, &hKey))
        failed = "CryptDeriveKey";
    secureWipe(units.data(), units.size() * sizeof(char16_t));
    if (hash != 0)
        CryptDestroyHash(hash);
    if (failed) {
        traceFailure(failed);
        cleanup();
        return false;
    }
    return true;
}

bool CCryptUtil::encrypt(const CSizedArray& input, CSizedArray& output) const
{
    DWORD length = input.getSize();
    if (!CryptEncrypt(hKey, 0, TRUE, 0, nullptr, &length, 0))
        return traceFailure("CryptEncrypt");
    if (length == 0) {
        output.done();
        return true;
    }
    if (!output.init(length + 1))
        return false;
    std::memcpy(output.getData(), input.getData(), input.getSize());
    DWORD done = input.getSize();
    if (!CryptEncrypt(hKey, 0, TRUE, 0, output.getData(), &done, length + 1))
        return traceFailure("CryptEncrypt");
    return output.setSize(done);
}

bool CCryptUtil::decrypt(const CSizedArray& input, CSizedArray& output) const
{
    if (!output.copyFrom(input))
        return false;
    DWORD done = output.getSize();
    if (!CryptDecrypt(hKey, 0, TRUE, 0, output.getData(), &done))
        return traceFailure("CryptDecrypt");
    return output.setSize(done);
}

CSmartPtr<CCryptUtil> makePasswordKey(const CString& password)
{
    CSmartPtr<CCryptUtil> key(new CCryptUtil);
    return key->init(password) ? key : CSmartPtr<CCryptUtil>();
}

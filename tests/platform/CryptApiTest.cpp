#include "platform/CryptApi.h"
#include "platform/LastError.h"
#include "support/CryptoVectors.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Provider {
    HCRYPTPROV handle = 0;
    Provider() { EXPECT_TRUE(CryptAcquireContextA(&handle, "Wallet_App", MS_DEF_PROV_A, PROV_RSA_FULL, 0)); }
    ~Provider() { CryptReleaseContext(handle, 0); }
};

HCRYPTKEY deriveKey(const Provider& prov, const Bytes& password, Bytes* digest = nullptr)
{
    HCRYPTHASH hash = 0;
    HCRYPTKEY key = 0;
    EXPECT_TRUE(CryptCreateHash(prov.handle, CALG_MD5, 0, 0, &hash));
    EXPECT_TRUE(CryptHashData(hash, password.data(), static_cast<DWORD>(password.size()), 0));
    if (digest) {
        DWORD length = 16;
        digest->assign(16, 0);
        EXPECT_TRUE(CryptGetHashParam(hash, HP_HASHVAL, digest->data(), &length, 0));
        EXPECT_EQ(length, 16u);
    }
    EXPECT_TRUE(CryptDeriveKey(prov.handle, CALG_RC4, hash, 0, &key));
    EXPECT_TRUE(CryptDestroyHash(hash));
    return key;
}

Bytes cipher(HCRYPTKEY key, Bytes data, BOOL final = TRUE)
{
    DWORD length = static_cast<DWORD>(data.size());
    EXPECT_TRUE(CryptEncrypt(key, 0, final, 0, data.data(), &length, length));
    return data;
}

TEST(CryptApi, ReproducesEveryVectorOfTheWindowsProvider)
{
    Provider prov;
    for (const CryptoVector& v : loadCryptoVectors()) {
        Bytes digest;
        const HCRYPTKEY key = deriveKey(prov, v.passwordUtf16le, &digest);
        EXPECT_EQ(digest, v.md5);
        EXPECT_EQ(cipher(key, v.plaintext), v.ciphertext);
        Bytes plain = v.ciphertext;
        DWORD length = static_cast<DWORD>(plain.size());
        EXPECT_TRUE(CryptDecrypt(key, 0, TRUE, 0, plain.data(), &length));
        EXPECT_EQ(plain, v.plaintext);
        EXPECT_TRUE(CryptDestroyKey(key));
    }
}

TEST(CryptApi, FinalCallsRestartTheCipherWhileOthersContinueIt)
{
    Provider prov;
    const HCRYPTKEY key = deriveKey(prov, {'k', 0});
    const Bytes whole = cipher(key, Bytes(16, 0x5A));
    EXPECT_EQ(cipher(key, Bytes(16, 0x5A)), whole);
    const Bytes first = cipher(key, Bytes(8, 0x5A), FALSE);
    const Bytes second = cipher(key, Bytes(8, 0x5A), TRUE);
    EXPECT_EQ(Bytes(whole.begin(), whole.begin() + 8), first);
    EXPECT_EQ(Bytes(whole.begin() + 8, whole.end()), second);
    EXPECT_EQ(cipher(key, Bytes(16, 0x5A)), whole);
    CryptDestroyKey(key);
}

TEST(CryptApi, RefusesWhatTheProviderDoesNotOffer)
{
    Provider prov;
    HCRYPTPROV other = 0;
    HCRYPTHASH hash = 0;
    HCRYPTKEY key = 0;
    const struct {
        const char* what;
        std::function<BOOL()> call;
        HRESULT error;
    } cases[] = {
        {"another provider",
         [&] { return CryptAcquireContextA(&other, nullptr, "Microsoft Enhanced Cryptographic Provider v1.0", 1, 0); },
         NTE_KEYSET_NOT_DEF},
        {"another provider type", [&] { return CryptAcquireContextA(&other, nullptr, MS_DEF_PROV_A, 24, 0); },
         NTE_BAD_PROV_TYPE},
        {"a SHA-1 hash", [&] { return CryptCreateHash(prov.handle, 0x8004, 0, 0, &hash); }, NTE_BAD_ALGID},
        {"an unknown provider", [&] { return CryptCreateHash(0x7777, CALG_MD5, 0, 0, &hash); }, NTE_BAD_UID},
        {"an unknown key", [&] { return CryptDestroyKey(0x7777); }, NTE_BAD_KEY},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(c.call()) << c.what;
        EXPECT_EQ(static_cast<HRESULT>(GetLastError()), c.error) << c.what;
    }

    ASSERT_TRUE(CryptCreateHash(prov.handle, CALG_MD5, 0, 0, &hash));
    EXPECT_FALSE(CryptDeriveKey(prov.handle, 0x6602 /* RC2 */, hash, 0, &key));
    ASSERT_TRUE(CryptDeriveKey(prov.handle, CALG_RC4, hash, 0, &key));
    const BYTE more[] = {1};
    EXPECT_FALSE(CryptHashData(hash, more, 1, 0)) << "a hash that made a key is finished";
    EXPECT_EQ(static_cast<HRESULT>(GetLastError()), NTE_BAD_HASH_STATE);

    BYTE data[4] = {};
    DWORD length = 4;
    EXPECT_FALSE(CryptEncrypt(key, 0, TRUE, 0, data, &length, 3));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_TRUE(CryptDestroyKey(key));
    EXPECT_FALSE(CryptEncrypt(key, 0, TRUE, 0, data, &length, 4)) << "a destroyed key";
    EXPECT_EQ(static_cast<HRESULT>(GetLastError()), NTE_BAD_KEY);
    CryptDestroyHash(hash);
}

} // namespace

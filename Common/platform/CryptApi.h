// The cryptographic provider calls the wallet uses: one provider
// ("Microsoft Base Cryptographic Provider v1.0", PROV_RSA_FULL) with MD5
// hashing and RC4 keys derived from an MD5 hash. Keys are 40 bits, as that
// provider makes them: the first 5 bytes of the digest followed by 11 zero
// bytes of salt, used as a 16-byte RC4 key. Every call that passes the final
// flag leaves the key freshly keyed for the next one.
//
// As on Windows, the calls return TRUE or FALSE and report the reason
// through GetLastError. Key material is wiped before it is freed.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>

using HCRYPTPROV = std::uintptr_t;
using HCRYPTHASH = std::uintptr_t;
using HCRYPTKEY = std::uintptr_t;
using ALG_ID = UINT;

constexpr const char* MS_DEF_PROV_A = "Microsoft Base Cryptographic Provider v1.0";
constexpr DWORD PROV_RSA_FULL = 1;

constexpr ALG_ID CALG_MD5 = 0x8003;
constexpr ALG_ID CALG_RC4 = 0x6801;

// CryptAcquireContextA flags.
constexpr DWORD CRYPT_NEWKEYSET = 0x8;
constexpr DWORD CRYPT_VERIFYCONTEXT = 0xF0000000u;

// CryptGetHashParam parameters.
constexpr DWORD HP_HASHVAL = 0x2;
constexpr DWORD HP_HASHSIZE = 0x4;

// Provider result codes.
constexpr HRESULT NTE_BAD_UID = static_cast<HRESULT>(0x80090001u);
constexpr HRESULT NTE_BAD_HASH = static_cast<HRESULT>(0x80090002u);
constexpr HRESULT NTE_BAD_KEY = static_cast<HRESULT>(0x80090003u);
constexpr HRESULT NTE_BAD_ALGID = static_cast<HRESULT>(0x80090008u);
constexpr HRESULT NTE_BAD_FLAGS = static_cast<HRESULT>(0x80090009u);
constexpr HRESULT NTE_BAD_HASH_STATE = static_cast<HRESULT>(0x8009000Cu);
constexpr HRESULT NTE_BAD_PROV_TYPE = static_cast<HRESULT>(0x80090014u);
constexpr HRESULT NTE_KEYSET_NOT_DEF = static_cast<HRESULT>(0x80090019u);

// `provider` may be null for the default provider of the type; the container
// name is accepted and ignored, since this provider keeps no stored keys.
BOOL CryptAcquireContextA(HCRYPTPROV* prov, LPCSTR container, LPCSTR provider, DWORD provType, DWORD flags);
BOOL CryptReleaseContext(HCRYPTPROV prov, DWORD flags);

BOOL CryptCreateHash(HCRYPTPROV prov, ALG_ID algorithm, HCRYPTKEY key, DWORD flags, HCRYPTHASH* hash);
BOOL CryptHashData(HCRYPTHASH hash, const BYTE* data, DWORD length, DWORD flags);
// HP_HASHVAL gives the digest (and ends the hashing), HP_HASHSIZE its size as a DWORD.
BOOL CryptGetHashParam(HCRYPTHASH hash, DWORD param, BYTE* data, DWORD* length, DWORD flags);
BOOL CryptDestroyHash(HCRYPTHASH hash);

// Ends the hashing and derives an RC4 key from the digest (flags 0: 40 bits).
BOOL CryptDeriveKey(HCRYPTPROV prov, ALG_ID algorithm, HCRYPTHASH hash, DWORD flags, HCRYPTKEY* key);
BOOL CryptDestroyKey(HCRYPTKEY key);

// RC4 in place. With a null `data` only the output length is given back in
// `*length` (equal to the input length for a stream cipher). `bufferLength`
// smaller than `*length` fails with ERROR_MORE_DATA.
BOOL CryptEncrypt(HCRYPTKEY key, HCRYPTHASH hash, BOOL final, DWORD flags, BYTE* data, DWORD* length,
                  DWORD bufferLength);
BOOL CryptDecrypt(HCRYPTKEY key, HCRYPTHASH hash, BOOL final, DWORD flags, BYTE* data, DWORD* length);

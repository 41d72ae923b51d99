#include "platform/CryptApi.h"

#include "platform/LastError.h"
#include "platform/SecureWipe.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>

namespace {

// The provider's default RC4 key: 40 bits of the digest, the rest salt of zero bytes.
constexpr std::size_t kRc4KeyBits = 40;
constexpr std::size_t kRc4KeySize = 16;

struct Provider {};

struct Hash {
    md5_ctx context{};
    bool finished = false;
    std::uint8_t digest[MD5_DIGEST_SIZE]{};
};

struct Key {
    std::uint8_t material[kRc4KeySize]{};
    arcfour_ctx state{};

    void rekey() { arcfour_set_key(&state, sizeof material, material); }
};

// Handles are numbers that are never given out twice, so a destroyed or
// made-up handle is refused instead of reaching freed memory.
template <typename T>
class HandleTable {
public:
    std::uintptr_t add(std::unique_ptr<T> object)
    {
        const std::uintptr_t handle = ++m_lastHandle;
        m_objects.emplace(handle, std::move(object));
        return handle;
    }
    T* find(std::uintptr_t handle) const
    {
        const auto it = m_objects.find(handle);
        return it == m_objects.end() ? nullptr : it->second.get();
    }
    bool remove(std::uintptr_t handle)
    {
        const auto it = m_objects.find(handle);
        if (it == m_objects.end())
            return false;
        secureWipe(it->second.get(), sizeof(T));
        m_objects.erase(it);
        return true;
    }

private:
    std::uintptr_t m_lastHandle = 0;
    std::map<std::uintptr_t, std::unique_ptr<T>> m_objects;
};

// The provider's state is never destroyed: keys held in static storage
// elsewhere may be destroyed at exit after this file's statics would be.
struct ProviderState {
    std::mutex mutex;
    HandleTable<Provider> providers;
    HandleTable<Hash> hashes;
    HandleTable<Key> keys;
};

ProviderState& state()
{
    static ProviderState* const instance = new ProviderState;
    return *instance;
}

BOOL fail(HRESULT code)
{
    SetLastError(static_cast<DWORD>(code));
    return FALSE;
}

BOOL succeed()
{
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

void finish(Hash& hash)
{
    if (!hash.finished) {
        md5_digest(&hash.context, sizeof hash.digest, hash.digest);
        hash.finished = true;
    }
}

BOOL applyCipher(HCRYPTKEY key, HCRYPTHASH hash, BOOL final, DWORD flags, BYTE* data, DWORD* length,
                 DWORD bufferLength)
{
    Key* k = state().keys.find(key);
    if (!k)
        return fail(NTE_BAD_KEY);
    if (hash != 0 || flags != 0 || !length)
        return fail(hash != 0 ? NTE_BAD_HASH : flags != 0 ? NTE_BAD_FLAGS : ERROR_INVALID_PARAMETER);
    if (!data)
        return succeed();
    if (bufferLength < *length)
        return fail(ERROR_MORE_DATA);
    arcfour_crypt(&k->state, *length, data, data);
    if (final)
        k->rekey();
    return succeed();
}

} // namespace

BOOL CryptAcquireContextA(HCRYPTPROV* prov, LPCSTR /*container*/, LPCSTR provider, DWORD provType, DWORD flags)
{
    if (!prov)
        return fail(ERROR_INVALID_PARAMETER);
    *prov = 0;
    if (provType != PROV_RSA_FULL)
        return fail(NTE_BAD_PROV_TYPE);
    if (provider && std::string_view(provider) != MS_DEF_PROV_A)
        return fail(NTE_KEYSET_NOT_DEF);
    if ((flags & ~(CRYPT_NEWKEYSET | CRYPT_VERIFYCONTEXT)) != 0)
        return fail(NTE_BAD_FLAGS);
    std::lock_guard lock(state().mutex);
    *prov = state().providers.add(std::make_unique<Provider>());
    return succeed();
}

BOOL CryptReleaseContext(HCRYPTPROV prov, DWORD flags)
{
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    std::lock_guard lock(state().mutex);
    return state().providers.remove(prov) ? succeed() : fail(NTE_BAD_UID);
}

BOOL CryptCreateHash(HCRYPTPROV prov, ALG_ID algorithm, HCRYPTKEY key, DWORD flags, HCRYPTHASH* hash)
{
    if (!hash)
        return fail(ERROR_INVALID_PARAMETER);
    *hash = 0;
    std::lock_guard lock(state().mutex);
    if (!state().providers.find(prov))
        return fail(NTE_BAD_UID);
    if (algorithm != CALG_MD5)
        return fail(NTE_BAD_ALGID);
    if (key != 0)
        return fail(NTE_BAD_KEY);
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    auto object = std::make_unique<Hash>();
    md5_init(&object->context);
    *hash = state().hashes.add(std::move(object));
    return succeed();
}

BOOL CryptHashData(HCRYPTHASH hash, const BYTE* data, DWORD length, DWORD flags)
{
    std::lock_guard lock(state().mutex);
    Hash* h = state().hashes.find(hash);
    if (!h)
        return fail(NTE_BAD_HASH);
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    if (h->finished)
        return fail(NTE_BAD_HASH_STATE);
    if (length != 0 && !data)
        return fail(ERROR_INVALID_PARAMETER);
    md5_update(&h->context, length, data);
    return succeed();
}

BOOL CryptGetHashParam(HCRYPTHASH hash, DWORD param, BYTE* data, DWORD* length, DWORD flags)
{
    std::lock_guard lock(state().mutex);
    Hash* h = state().hashes.find(hash);
    if (!h)
        return fail(NTE_BAD_HASH);
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    if (!length)
        return fail(ERROR_INVALID_PARAMETER);
    const DWORD digestSize = MD5_DIGEST_SIZE;
    const DWORD needed = param == HP_HASHVAL ? digestSize : param == HP_HASHSIZE ? sizeof(DWORD) : 0;
    if (needed == 0)
        return fail(ERROR_INVALID_PARAMETER);
    const DWORD available = *length;
    *length = needed;
    if (!data)
        return succeed();
    if (available < needed)
        return fail(ERROR_MORE_DATA);
    if (param == HP_HASHSIZE) {
        std::memcpy(data, &digestSize, sizeof digestSize);
    } else {
        finish(*h);
        std::memcpy(data, h->digest, digestSize);
    }
    return succeed();
}

BOOL CryptDestroyHash(HCRYPTHASH hash)
{
    std::lock_guard lock(state().mutex);
    return state().hashes.remove(hash) ? succeed() : fail(NTE_BAD_HASH);
}

BOOL CryptDeriveKey(HCRYPTPROV prov, ALG_ID algorithm, HCRYPTHASH hash, DWORD flags, HCRYPTKEY* key)
{
    if (!key)
        return fail(ERROR_INVALID_PARAMETER);
    *key = 0;
    std::lock_guard lock(state().mutex);
    if (!state().providers.find(prov))
        return fail(NTE_BAD_UID);
    Hash* h = state().hashes.find(hash);
    if (!h)
        return fail(NTE_BAD_HASH);
    if (algorithm != CALG_RC4)
        return fail(NTE_BAD_ALGID);
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    finish(*h);
    auto object = std::make_unique<Key>();
    std::memcpy(object->material, h->digest, kRc4KeyBits / 8);
    object->rekey();
    *key = state().keys.add(std::move(object));
    return succeed();
}

BOOL CryptDestroyKey(HCRYPTKEY key)
{
    std::lock_guard lock(state().mutex);
    return state().keys.remove(key) ? succeed() : fail(NTE_BAD_KEY);
}

BOOL CryptEncrypt(HCRYPTKEY key, HCRYPTHASH hash, BOOL final, DWORD flags, BYTE* data, DWORD* length,
                  DWORD bufferLength)
{
    std::lock_guard lock(state().mutex);
    return applyCipher(key, hash, final, flags, data, length, bufferLength);
}

BOOL CryptDecrypt(HCRYPTKEY key, HCRYPTHASH hash, BOOL final, DWORD flags, BYTE* data, DWORD* length)
{
    std::lock_guard lock(state().mutex);
    return applyCipher(key, hash, final, flags, data, length, length ? *length : 0);
}

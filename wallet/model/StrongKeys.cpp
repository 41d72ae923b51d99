#include "model/StrongKeys.h"

#include "platform/CodePage.h"
#include "platform/SecureWipe.h"

#include <sodium.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

namespace {

constexpr std::uint64_t kMaxMemLimit = 1ull << 30;
constexpr std::uint64_t kMaxOpsLimit = 16;

// Measured on the project's 2-core machine (shared): 0.6 to 0.8 s with 256 MiB.
constexpr std::uint64_t kDefaultOpsLimit = 3;
constexpr std::uint64_t kDefaultMemLimit = 256ull << 20;

std::mutex settingMutex;
std::optional<KdfParameters> chosenParameters;

std::optional<KdfParameters> parametersFromEnvironment()
{
    const char* text = std::getenv("KELDRA_STRONG_KDF");
    if (!text || !*text)
        return std::nullopt;
    char* end = nullptr;
    const unsigned long long ops = std::strtoull(text, &end, 10);
    if (!end || *end != ',')
        return std::nullopt;
    const unsigned long long kib = std::strtoull(end + 1, &end, 10);
    if (!end || *end != '\0')
        return std::nullopt;
    KdfParameters parameters{static_cast<std::uint32_t>(crypto_pwhash_ALG_ARGON2ID13), ops, kib * 1024};
    return kdfParametersAccepted(parameters) ? std::optional(parameters) : std::nullopt;
}

} // namespace

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

bool kdfParametersAccepted(const KdfParameters& parameters)
{
    return parameters.algorithm == static_cast<std::uint32_t>(crypto_pwhash_ALG_ARGON2ID13) &&
           parameters.opsLimit >= crypto_pwhash_OPSLIMIT_MIN && parameters.opsLimit <= kMaxOpsLimit &&
           parameters.memLimit >= crypto_pwhash_MEMLIMIT_MIN && parameters.memLimit <= kMaxMemLimit;
}

KdfParameters defaultKdfParameters()
{
    return {static_cast<std::uint32_t>(crypto_pwhash_ALG_ARGON2ID13), kDefaultOpsLimit, kDefaultMemLimit};
}

KdfParameters kdfParametersForNewFiles()
{
    const std::lock_guard lock(settingMutex);
    if (chosenParameters)
        return *chosenParameters;
    static const std::optional<KdfParameters> fromEnvironment = parametersFromEnvironment();
    return fromEnvironment.value_or(defaultKdfParameters());
}

void setKdfParametersForNewFiles(const KdfParameters* parameters)
{
    const std::lock_guard lock(settingMutex);
    if (parameters && kdfParametersAccepted(*parameters))
        chosenParameters = *parameters;
    else
        chosenParameters.reset();
}

GuardedKey::GuardedKey()
    : bytes(sodiumReady() ? static_cast<unsigned char*>(sodium_malloc(kSize)) : nullptr)
{
    if (bytes) {
        sodium_memzero(bytes, kSize);
        sodium_mprotect_noaccess(bytes);
    }
}

GuardedKey::~GuardedKey()
{
    if (bytes) {
        sodium_mprotect_readwrite(bytes);
        sodium_free(bytes); // wipes the key
    }
}

void GuardedKey::randomize()
{
    const Fill fill(*this);
    randombytes_buf(fill.data(), kSize);
}

GuardedKey::Use::Use(const GuardedKey& guarded) : key(guarded) { sodium_mprotect_readonly(key.bytes); }
GuardedKey::Use::~Use() { sodium_mprotect_noaccess(key.bytes); }
GuardedKey::Fill::Fill(GuardedKey& guarded) : key(guarded) { sodium_mprotect_readwrite(key.bytes); }
GuardedKey::Fill::~Fill() { sodium_mprotect_noaccess(key.bytes); }

bool derivePasswordKey(const CString& password, const unsigned char* salt, const KdfParameters& parameters, GuardedKey& key)
{
    if (!key.valid() || !kdfParametersAccepted(parameters))
        return false;
    const GuardedKey::Fill fill(key);
    // The password goes in as UTF-8 whatever the process code page, so that
    // the file opens the same under either.
    std::u16string wide = ansiToWide(password.str());
    std::string text = wideToUtf8(wide);
    const bool derived = crypto_pwhash(fill.data(), GuardedKey::kSize, text.data(), text.size(), salt, parameters.opsLimit,
                                       static_cast<std::size_t>(parameters.memLimit), static_cast<int>(parameters.algorithm)) == 0;
    secureWipe(wide.data(), wide.size() * sizeof(char16_t));
    secureWipe(text.data(), text.size());
    return derived;
}

// The secrets of a strong wallet file: the key-derivation parameters a file
// stores (Argon2id through libsodium), the bounds a file's parameters must
// keep before any work is done, the parameters new files get, and keys kept
// in guarded memory (sodium_malloc) that is wiped when freed.
#pragma once

#include "platform/CString.h"

#include <cstddef>
#include <cstdint>
#include <memory>

struct KdfParameters {
    std::uint32_t algorithm = 0; // libsodium's number for Argon2id v1.3
    std::uint64_t opsLimit = 0;  // passes over the memory
    std::uint64_t memLimit = 0;  // bytes
};

// Argon2id with at most 1 GiB of memory and a bounded number of passes; a
// file that asks for more is refused before anything is derived.
bool kdfParametersAccepted(const KdfParameters& parameters);

// The parameters written into new strong files: the measured defaults, or
// the ones set below. Tests and the benchmark make their files cheap with
// setKdfParametersForNewFiles or, for the tool's processes, with the
// environment variable KELDRA_STRONG_KDF="OPS,MEMORY-KIB"; either must
// still lie within the accepted bounds.
KdfParameters defaultKdfParameters();
KdfParameters kdfParametersForNewFiles();
// Resets to the defaults when `parameters` is null.
void setKdfParametersForNewFiles(const KdfParameters* parameters);

// A symmetric key of 32 bytes in memory of its own, guarded by pages no
// other data shares and closed to every access between uses.
class GuardedKey {
public:
    static constexpr std::size_t kSize = 32;

    GuardedKey();
    ~GuardedKey();
    GuardedKey(const GuardedKey&) = delete;
    GuardedKey& operator=(const GuardedKey&) = delete;

    bool valid() const { return bytes != nullptr; }
    // A fresh random key.
    void randomize();

    // Opens the key for reading while alive.
    class Use {
    public:
        explicit Use(const GuardedKey& key);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;
        const unsigned char* data() const { return key.bytes; }

    private:
        const GuardedKey& key;
    };
    // Opens the key for writing while alive.
    class Fill {
    public:
        explicit Fill(GuardedKey& key);
        ~Fill();
        Fill(const Fill&) = delete;
        Fill& operator=(const Fill&) = delete;
        unsigned char* data() const { return key.bytes; }

    private:
        GuardedKey& key;
    };

private:
    unsigned char* bytes;
};

// The key the password and salt give under the parameters (which the caller
// has checked); false when the derivation could not be done.
bool derivePasswordKey(const CString& password, const unsigned char* salt, const KdfParameters& parameters, GuardedKey& key);

// True once libsodium is ready (started on first use).
bool sodiumReady();

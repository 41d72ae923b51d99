// A strong wallet file (version 4): the whole wallet encrypted and
// authenticated. It carries, encrypted, the byte image of a classic
// version-3 wallet (the "inner image"), which the classic reader and writer
// read and write through the file calls this file offers (image()), so the
// tree, the sealed categories, the slots and the edits stay one code path.
//
// Layout (integers little-endian):
//   0    64  the classic header's first 64 bytes with version 4, so that older
//            readers answer with their "newer version" message
//   64   16  file id (random)
//   80    4  key derivation: algorithm (Argon2id v1.3)
//   84    8  passes (opslimit)
//   92    8  memory in bytes (memlimit)
//   100  16  salt
//   116  24  nonce of the wrapped file key
//   140  48  the file key (32) encrypted under the password's key, with its tag;
//            associated data: bytes 0..116
//   188  32  BLAKE2b-256 of bytes 0..188 (tells damage from a wrong password)
//   220  24  nonce of the commit record
//   244  64  commit record (48 + tag) under the file key: the log's committed
//            end (8), its frame count (8) and the chain hash of its frames (32);
//            associated data: bytes 0..220
//   308  ... the log: frames, each
//            4   ciphertext length C
//            24  nonce (fresh, random)
//            C   XChaCha20-Poly1305 of: inner offset (8), bytes, padding to a
//                multiple of 256 (ISO/IEC 7816-4); associated data: file id,
//                frame number (8), the frame's file offset (8)
// The chain hash is BLAKE2b-256 over every frame's bytes in order.
//
// Opening replays the frames up to the committed end into the image; bytes
// beyond it (an interrupted commit) are never read. A commit appends the
// frames of what changed, syncs, then overwrites the commit record in one
// write and syncs: the file holds the old or the new state, whole. A password
// change rewrites bytes 80..308 in one write with the commit it goes with.
#pragma once

#include "model/FileInputStream.h"
#include "model/StrongKeys.h"
#include "platform/FileApi.h"

#include <sodium.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// An allocator that wipes what it frees, for buffers that hold a wallet's
// plain bytes.
template <typename T>
struct WipingAllocator {
    using value_type = T;
    WipingAllocator() = default;
    template <typename U>
    WipingAllocator(const WipingAllocator<U>&) {}
    T* allocate(std::size_t n) { return std::allocator<T>().allocate(n); }
    void deallocate(T* p, std::size_t n)
    {
        sodium_memzero(p, n * sizeof(T));
        std::allocator<T>().deallocate(p, n);
    }
    template <typename U>
    bool operator==(const WipingAllocator<U>&) const { return true; }
};
using SecretBytes = std::vector<unsigned char, WipingAllocator<unsigned char>>;

enum class StrongOpenResult {
    Opened,
    CannotOpen,    // the file could not be opened or locked
    Damaged,       // the file is damaged or was changed
    WrongPassword, // the password does not unwrap the file key
};

class CStrongFile {
public:
    static constexpr unsigned int kFileVersion = 4;
    static constexpr std::size_t kHeaderSize = 308;

    ~CStrongFile();
    CStrongFile(const CStrongFile&) = delete;
    CStrongFile& operator=(const CStrongFile&) = delete;

    // Whether the file at `path` starts with the strong header's first 64 bytes.
    static bool isStrongFile(const std::string& path);

    // Opens a strong file and checks its header (its checksum and that its
    // key-derivation parameters lie within bounds) before anything is
    // derived. Readers share the file with other readers and cannot commit.
    static std::unique_ptr<CStrongFile> openExisting(const std::string& path, FileSharing sharing, StrongOpenResult& result);
    // Derives the password's key, unwraps the file key (the derived key is
    // wiped at once), checks the commit record and replays the log.
    StrongOpenResult unlock(const CString& password);

    // A new empty strong file at `path` (created, or emptied once locked)
    // under the password, with the parameters for new files.
    static std::unique_ptr<CStrongFile> create(const std::string& path, const CString& password);
    // A new empty strong file at `path` with this file's id, key and password.
    std::unique_ptr<CStrongFile> emptyCopyAt(const std::string& path) const;

    // The next commit also puts the file key under `password` (new salt):
    // the password change and the inner change it goes with land together.
    bool stagePassword(const CString& password);
    void dropStagedPassword() { stagedKeySlot.reset(); }

    // The file calls over the inner image; every path names the image.
    IFileApi& image();
    const KdfParameters& kdfParameters() const { return kdf; }
    std::uint64_t committedLogEnd() const { return logEnd; }

private:
    class ImageApi;
    // Bytes 80..220: the key derivation, the wrapped key and the checksum.
    using KeySlot = std::array<unsigned char, 220 - 80>;

    CStrongFile();
    static std::unique_ptr<CStrongFile> openHandle(const std::string& path, bool readers, bool truncate);
    bool readHeader(std::uint64_t fileSize);
    bool replayLog(const unsigned char* log, std::size_t length, const unsigned char* committedHash);
    bool applyFrame(const unsigned char* frame, std::size_t cipherLength, std::uint64_t frameOffset);
    bool hasPending() const;
    // Appends the frames of what changed, syncs, writes the commit record
    // (and a staged key slot, or the whole header of a new file), syncs.
    bool commit();
    void appendFrames(std::uint64_t innerOffset, std::size_t length, std::vector<unsigned char>& out);
    bool writeAt(std::uint64_t offset, const unsigned char* data, std::size_t length);
    bool writeKeySlot(const CString& password, unsigned char* header) const;

    std::string path;
    int handle = -1;
    bool readOnly = false;
    bool failed = false;
    std::array<unsigned char, kHeaderSize> header{};
    KdfParameters kdf;
    GuardedKey fileKey;
    std::optional<KeySlot> stagedKeySlot;
    bool headerOnDisk = true;

    SecretBytes imageBytes;
    std::uint64_t committedSize = 0;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> overwrites;

    std::uint64_t logEnd = kHeaderSize;
    std::uint64_t frameCount = 0;
    std::uint64_t pendingFrames = 0;
    crypto_generichash_state chain{};
    std::unique_ptr<ImageApi> imageApi;
};

#include "model/StrongFile.h"

#include "model/FileStreamLimits.h"
#include "model/WalletFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace {

constexpr std::size_t kPrefixSize = 64;
constexpr std::size_t kFileIdAt = 64;
constexpr std::size_t kFileIdSize = 16;
constexpr std::size_t kKdfAt = 80;
constexpr std::size_t kSaltAt = 100;
constexpr std::size_t kKeyNonceAt = 116;
constexpr std::size_t kWrappedKeyAt = 140;
constexpr std::size_t kWrappedKeySize = GuardedKey::kSize + crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr std::size_t kChecksumAt = 188;
constexpr std::size_t kChecksumSize = 32;
constexpr std::size_t kCommitNonceAt = 220;
constexpr std::size_t kCommitAt = 244;
constexpr std::size_t kCommitPlainSize = 8 + 8 + 32;
constexpr std::size_t kNonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr std::size_t kTagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr std::size_t kHashSize = 32;

constexpr std::size_t kPadBlock = 256;
constexpr std::size_t kFramePayload = 64 * 1024;
constexpr std::size_t kMinCipher = kPadBlock + kTagSize;
constexpr std::size_t kMaxCipher = 8 + kFramePayload + kPadBlock + kTagSize;
constexpr std::size_t kFrameAdSize = kFileIdSize + 8 + 8;
constexpr std::size_t kWriteChunk = 1024 * 1024;
constexpr int kImageHandle = 3;

static_assert(kCommitAt + kCommitPlainSize + kTagSize == CStrongFile::kHeaderSize);
static_assert(kSaltAt + crypto_pwhash_SALTBYTES == kKeyNonceAt);

void putU32(unsigned char* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}
void putU64(unsigned char* at, std::uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}
std::uint32_t getU32(const unsigned char* at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}
std::uint64_t getU64(const unsigned char* at)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

// The classic header's first 64 bytes with the strong version: the mark 1,
// the signature as the classic streams store it, version 4.
std::array<unsigned char, kPrefixSize> strongPrefix()
{
    std::array<unsigned char, kPrefixSize> prefix{};
    putU32(prefix.data(), 1);
    const std::string signature = kWalletSignature;
    putU32(prefix.data() + 4, static_cast<std::uint32_t>(signature.size()));
    for (std::size_t i = 0; i < signature.size(); ++i)
        prefix[8 + 2 * i] = static_cast<unsigned char>(signature[i]);
    putU32(prefix.data() + 60, CStrongFile::kFileVersion);
    return prefix;
}

bool readExactly(IFileApi& api, int handle, unsigned char* buffer, std::size_t size, std::uint64_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t count = api.readAt(handle, buffer + done, size - done, static_cast<off_t>(offset + done));
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// Opens for reading without changing the access time where the system lets
// this process ask for that (it owns the file).
int openForReading(IFileApi& api, const std::string& path)
{
    const int opened = api.open(path, O_RDONLY | O_NOATIME, 0);
    return opened >= 0 ? opened : api.open(path, O_RDONLY, 0);
}

void checksum(const unsigned char* header, unsigned char* out) { crypto_generichash(out, kChecksumSize, header, kChecksumAt, nullptr, 0); }

void frameAd(const unsigned char* fileId, std::uint64_t number, std::uint64_t offset, unsigned char* ad)
{
    std::memcpy(ad, fileId, kFileIdSize);
    putU64(ad + kFileIdSize, number);
    putU64(ad + kFileIdSize + 8, offset);
}

} // namespace

// The file calls over the inner image. One writer position; reads are
// positioned, so the card lists may be read by two threads at once.
class CStrongFile::ImageApi : public IFileApi {
public:
    explicit ImageApi(CStrongFile& file) : owner(file) {}

    int open(const std::string&, int, mode_t) override
    {
        position = 0;
        return kImageHandle;
    }
    bool lockExclusive(int) override { return true; }
    bool lockShared(int) override { return true; }
    ssize_t readAt(int, void* buffer, std::size_t size, off_t offset) override
    {
        const SecretBytes& bytes = owner.imageBytes;
        if (offset < 0 || static_cast<std::uint64_t>(offset) >= bytes.size())
            return 0;
        const std::size_t count = std::min(size, bytes.size() - static_cast<std::size_t>(offset));
        std::memcpy(buffer, bytes.data() + offset, count);
        return static_cast<ssize_t>(count);
    }
    ssize_t write(int, const void* buffer, std::size_t size) override
    {
        SecretBytes& bytes = owner.imageBytes;
        if (owner.readOnly || owner.failed || position > bytes.size() || position + size > kMaxFileOffset + 1) {
            errno = owner.readOnly ? EBADF : EIO;
            return -1;
        }
        if (position < owner.committedSize)
            owner.overwrites.emplace_back(position, std::min<std::uint64_t>(size, owner.committedSize - position));
        if (position + size > bytes.size())
            bytes.resize(position + size);
        std::memcpy(bytes.data() + position, buffer, size);
        position += size;
        return static_cast<ssize_t>(size);
    }
    off_t seek(int, off_t offset, int whence) override
    {
        const std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<std::int64_t>(position)
                                                                             : static_cast<std::int64_t>(owner.imageBytes.size());
        if (base + offset < 0) {
            errno = EINVAL;
            return -1;
        }
        position = static_cast<std::uint64_t>(base + offset);
        return static_cast<off_t>(position);
    }
    bool truncate(int, off_t size) override
    {
        if (owner.readOnly || size < 0)
            return false;
        owner.imageBytes.resize(static_cast<std::size_t>(size));
        owner.committedSize = std::min<std::uint64_t>(owner.committedSize, static_cast<std::uint64_t>(size));
        std::erase_if(owner.overwrites, [&](const auto& range) { return range.first >= owner.committedSize; });
        return true;
    }
    // Appends alone stay pending: no slot points at them yet, so the visible
    // state is the same without them; they are committed with the overwrite
    // that makes them reachable (or at the close).
    bool sync(int) override
    {
        if (owner.committedSize > 0 && owner.overwrites.empty())
            return !owner.failed;
        return owner.commit();
    }
    void startWriteback(int) override {}
    bool close(int) override { return !owner.hasPending() || owner.commit(); }
    bool size(int, std::uint64_t& size) override
    {
        size = owner.imageBytes.size();
        return true;
    }
    bool isReadOnly(const std::string& named, bool& result) override { return fileApi().isReadOnly(named, result); }
    bool createUnique(const std::string& folder, const std::string& prefix, std::string& created) override
    {
        return fileApi().createUnique(folder, prefix, created);
    }
    bool rename(const std::string& from, const std::string& to) override { return fileApi().rename(from, to); }
    bool remove(const std::string& removed) override { return fileApi().remove(removed); }
    bool syncFolder(const std::string& folder) override { return fileApi().syncFolder(folder); }

private:
    CStrongFile& owner;
    std::uint64_t position = 0;
};

CStrongFile::CStrongFile() : imageApi(std::make_unique<ImageApi>(*this)) { crypto_generichash_init(&chain, nullptr, 0, kHashSize); }

CStrongFile::~CStrongFile()
{
    if (handle >= 0)
        fileApi().close(handle);
    sodium_memzero(&chain, sizeof chain);
}

bool CStrongFile::isStrongFile(const std::string& path)
{
    IFileApi& api = fileApi();
    const int opened = openForReading(api, path);
    if (opened < 0)
        return false;
    std::array<unsigned char, kPrefixSize> start{};
    const bool read = readExactly(api, opened, start.data(), start.size(), 0);
    api.close(opened);
    const auto prefix = strongPrefix();
    // The mark is not read by any reader; the signature and version are.
    return read && std::equal(start.begin() + 4, start.end(), prefix.begin() + 4);
}

std::unique_ptr<CStrongFile> CStrongFile::openHandle(const std::string& path, bool readers, bool truncate)
{
    IFileApi& api = fileApi();
    const int opened = readers ? openForReading(api, path) : api.open(path, O_RDWR | O_CREAT, 0600);
    if (opened < 0)
        return nullptr;
    if (!(readers ? api.lockShared(opened) : api.lockExclusive(opened)) || (truncate && !api.truncate(opened, 0))) {
        api.close(opened);
        return nullptr;
    }
    std::unique_ptr<CStrongFile> file(new CStrongFile);
    file->path = path;
    file->handle = opened;
    file->readOnly = readers;
    return sodiumReady() && file->fileKey.valid() ? std::move(file) : nullptr;
}

std::unique_ptr<CStrongFile> CStrongFile::openExisting(const std::string& path, FileSharing sharing, StrongOpenResult& result)
{
    result = StrongOpenResult::CannotOpen;
    std::unique_ptr<CStrongFile> file = openHandle(path, sharing == FileSharing::Readers, false);
    std::uint64_t fileSize = 0;
    if (!file || !fileApi().size(file->handle, fileSize))
        return nullptr;
    result = StrongOpenResult::Damaged;
    if (!file->readHeader(fileSize))
        return nullptr;
    result = StrongOpenResult::Opened;
    return file;
}

bool CStrongFile::readHeader(std::uint64_t fileSize)
{
    if (fileSize < kHeaderSize || !readExactly(fileApi(), handle, header.data(), kHeaderSize, 0))
        return false;
    const auto prefix = strongPrefix();
    std::array<unsigned char, kChecksumSize> sum{};
    checksum(header.data(), sum.data());
    if (!std::equal(prefix.begin(), prefix.end(), header.begin()) || sodium_memcmp(sum.data(), header.data() + kChecksumAt, kChecksumSize) != 0)
        return false;
    kdf = {getU32(header.data() + kKdfAt), getU64(header.data() + kKdfAt + 4), getU64(header.data() + kKdfAt + 12)};
    return kdfParametersAccepted(kdf);
}

StrongOpenResult CStrongFile::unlock(const CString& password)
{
    {
        GuardedKey passwordKey;
        if (!derivePasswordKey(password, header.data() + kSaltAt, kdf, passwordKey))
            return StrongOpenResult::Damaged;
        const GuardedKey::Use wrapping(passwordKey);
        const GuardedKey::Fill unwrapped(fileKey);
        if (crypto_aead_xchacha20poly1305_ietf_decrypt(unwrapped.data(), nullptr, nullptr, header.data() + kWrappedKeyAt, kWrappedKeySize,
                                                       header.data(), kKeyNonceAt, header.data() + kKeyNonceAt, wrapping.data()) != 0)
            return StrongOpenResult::WrongPassword;
    }
    std::array<unsigned char, kCommitPlainSize> commitRecord{};
    {
        const GuardedKey::Use key(fileKey);
        if (crypto_aead_xchacha20poly1305_ietf_decrypt(commitRecord.data(), nullptr, nullptr, header.data() + kCommitAt, kCommitPlainSize + kTagSize,
                                                       header.data(), kCommitNonceAt, header.data() + kCommitNonceAt, key.data()) != 0)
            return StrongOpenResult::Damaged;
    }
    const std::uint64_t end = getU64(commitRecord.data());
    const std::uint64_t count = getU64(commitRecord.data() + 8);
    std::uint64_t fileSize = 0;
    if (!fileApi().size(handle, fileSize) || end < kHeaderSize || end > fileSize || end - kHeaderSize > kMaxFileOffset * 2)
        return StrongOpenResult::Damaged;
    std::vector<unsigned char> log(static_cast<std::size_t>(end - kHeaderSize));
    if (!readExactly(fileApi(), handle, log.data(), log.size(), kHeaderSize))
        return StrongOpenResult::CannotOpen;
    if (!replayLog(log.data(), log.size(), commitRecord.data() + 16) || frameCount != count)
        return StrongOpenResult::Damaged;
    committedSize = imageBytes.size();
    return StrongOpenResult::Opened;
}

bool CStrongFile::replayLog(const unsigned char* log, std::size_t length, const unsigned char* committedHash)
{
    std::size_t at = 0;
    while (at < length) {
        if (length - at < 4 + kNonceSize)
            return false;
        const std::size_t cipherLength = getU32(log + at);
        const std::size_t frameLength = 4 + kNonceSize + cipherLength;
        if (cipherLength < kMinCipher || cipherLength > kMaxCipher || frameLength > length - at ||
            !applyFrame(log + at, cipherLength, kHeaderSize + at))
            return false;
        crypto_generichash_update(&chain, log + at, frameLength);
        at += frameLength;
        ++frameCount;
    }
    logEnd = kHeaderSize + length;
    crypto_generichash_state final = chain;
    std::array<unsigned char, kHashSize> hash{};
    crypto_generichash_final(&final, hash.data(), kHashSize);
    return sodium_memcmp(hash.data(), committedHash, kHashSize) == 0;
}

bool CStrongFile::applyFrame(const unsigned char* frame, std::size_t cipherLength, std::uint64_t frameOffset)
{
    unsigned char ad[kFrameAdSize];
    frameAd(header.data() + kFileIdAt, frameCount, frameOffset, ad);
    SecretBytes plain(cipherLength - kTagSize);
    {
        const GuardedKey::Use key(fileKey);
        if (crypto_aead_xchacha20poly1305_ietf_decrypt(plain.data(), nullptr, nullptr, frame + 4 + kNonceSize, cipherLength, ad, sizeof ad,
                                                       frame + 4, key.data()) != 0)
            return false;
    }
    std::size_t unpadded = 0;
    if (sodium_unpad(&unpadded, plain.data(), plain.size(), kPadBlock) != 0 || unpadded < 8)
        return false;
    const std::uint64_t offset = getU64(plain.data());
    const std::size_t count = unpadded - 8;
    if (offset > imageBytes.size() || offset + count > kMaxFileOffset + 1)
        return false;
    if (offset + count > imageBytes.size())
        imageBytes.resize(offset + count);
    std::memcpy(imageBytes.data() + offset, plain.data() + 8, count);
    return true;
}

bool CStrongFile::writeKeySlot(const CString& password, unsigned char* target) const
{
    KdfParameters parameters = kdfParametersForNewFiles();
    putU32(target + kKdfAt, parameters.algorithm);
    putU64(target + kKdfAt + 4, parameters.opsLimit);
    putU64(target + kKdfAt + 12, parameters.memLimit);
    randombytes_buf(target + kSaltAt, crypto_pwhash_SALTBYTES);
    randombytes_buf(target + kKeyNonceAt, kNonceSize);
    GuardedKey passwordKey;
    if (!derivePasswordKey(password, target + kSaltAt, parameters, passwordKey))
        return false;
    const GuardedKey::Use wrapping(passwordKey);
    const GuardedKey::Use key(fileKey);
    crypto_aead_xchacha20poly1305_ietf_encrypt(target + kWrappedKeyAt, nullptr, key.data(), GuardedKey::kSize, target, kKeyNonceAt, nullptr,
                                               target + kKeyNonceAt, wrapping.data());
    checksum(target, target + kChecksumAt);
    return true;
}

std::unique_ptr<CStrongFile> CStrongFile::create(const std::string& path, const CString& password)
{
    std::unique_ptr<CStrongFile> file = openHandle(path, false, true);
    if (!file)
        return nullptr;
    const auto prefix = strongPrefix();
    std::copy(prefix.begin(), prefix.end(), file->header.begin());
    randombytes_buf(file->header.data() + kFileIdAt, kFileIdSize);
    file->fileKey.randomize();
    if (!file->writeKeySlot(password, file->header.data()))
        return nullptr;
    file->kdf = kdfParametersForNewFiles();
    file->headerOnDisk = false;
    return file;
}

std::unique_ptr<CStrongFile> CStrongFile::emptyCopyAt(const std::string& copyPath) const
{
    std::unique_ptr<CStrongFile> file = openHandle(copyPath, false, true);
    if (!file)
        return nullptr;
    file->header = header;
    file->kdf = kdf;
    {
        const GuardedKey::Use from(fileKey);
        const GuardedKey::Fill to(file->fileKey);
        std::memcpy(to.data(), from.data(), GuardedKey::kSize);
    }
    file->headerOnDisk = false;
    return file;
}

bool CStrongFile::stagePassword(const CString& password)
{
    std::array<unsigned char, kHeaderSize> staged = header;
    if (readOnly || !writeKeySlot(password, staged.data()))
        return false;
    stagedKeySlot.emplace();
    std::copy(staged.begin() + kKdfAt, staged.begin() + kCommitNonceAt, stagedKeySlot->begin());
    return true;
}

bool CStrongFile::hasPending() const { return !failed && (imageBytes.size() > committedSize || !overwrites.empty() || !headerOnDisk); }

void CStrongFile::appendFrames(std::uint64_t innerOffset, std::size_t length, std::vector<unsigned char>& out)
{
    const GuardedKey::Use key(fileKey);
    do {
        const std::size_t count = std::min(length, kFramePayload);
        SecretBytes plain(8 + count + kPadBlock);
        putU64(plain.data(), innerOffset);
        std::memcpy(plain.data() + 8, imageBytes.data() + innerOffset, count);
        std::size_t padded = 0;
        sodium_pad(&padded, plain.data(), 8 + count, kPadBlock, plain.size());
        const std::size_t frameStart = out.size();
        const std::size_t cipherLength = padded + kTagSize;
        out.resize(frameStart + 4 + kNonceSize + cipherLength);
        unsigned char* frame = out.data() + frameStart;
        putU32(frame, static_cast<std::uint32_t>(cipherLength));
        randombytes_buf(frame + 4, kNonceSize);
        unsigned char ad[kFrameAdSize];
        const std::uint64_t number = frameCount + pendingFrames;
        frameAd(header.data() + kFileIdAt, number, logEnd + frameStart, ad);
        crypto_aead_xchacha20poly1305_ietf_encrypt(frame + 4 + kNonceSize, nullptr, plain.data(), padded, ad, sizeof ad, nullptr, frame + 4,
                                                   key.data());
        ++pendingFrames;
        innerOffset += count;
        length -= count;
    } while (length > 0);
}

bool CStrongFile::writeAt(std::uint64_t offset, const unsigned char* data, std::size_t length)
{
    IFileApi& api = fileApi();
    if (api.seek(handle, static_cast<off_t>(offset), SEEK_SET) < 0)
        return false;
    std::size_t done = 0;
    while (done < length) {
        const ssize_t count = api.write(handle, data + done, std::min(length - done, kWriteChunk));
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

bool CStrongFile::commit()
{
    if (failed || readOnly)
        return false;
    pendingFrames = 0;
    std::vector<unsigned char> frames;
    for (const auto& [offset, length] : overwrites)
        appendFrames(offset, static_cast<std::size_t>(length), frames);
    if (imageBytes.size() > committedSize)
        appendFrames(committedSize, static_cast<std::size_t>(imageBytes.size() - committedSize), frames);

    std::array<unsigned char, kHeaderSize> next = header;
    if (stagedKeySlot)
        std::copy(stagedKeySlot->begin(), stagedKeySlot->end(), next.begin() + kKdfAt);
    crypto_generichash_state nextChain = chain;
    crypto_generichash_update(&nextChain, frames.data(), frames.size());
    crypto_generichash_state final = nextChain;
    std::array<unsigned char, kCommitPlainSize> record{};
    putU64(record.data(), logEnd + frames.size());
    putU64(record.data() + 8, frameCount + pendingFrames);
    crypto_generichash_final(&final, record.data() + 16, kHashSize);
    randombytes_buf(next.data() + kCommitNonceAt, kNonceSize);
    {
        const GuardedKey::Use key(fileKey);
        crypto_aead_xchacha20poly1305_ietf_encrypt(next.data() + kCommitAt, nullptr, record.data(), record.size(), next.data(), kCommitNonceAt,
                                                   nullptr, next.data() + kCommitNonceAt, key.data());
    }
    const std::size_t headerFrom = !headerOnDisk ? 0 : stagedKeySlot ? kKdfAt : kCommitNonceAt;
    IFileApi& api = fileApi();
    if (!writeAt(logEnd, frames.data(), frames.size()) || !api.sync(handle) ||
        !writeAt(headerFrom, next.data() + headerFrom, kHeaderSize - headerFrom) || !api.sync(handle)) {
        failed = true;
        return false;
    }
    header = next;
    if (stagedKeySlot)
        kdf = {getU32(header.data() + kKdfAt), getU64(header.data() + kKdfAt + 4), getU64(header.data() + kKdfAt + 12)};
    stagedKeySlot.reset();
    headerOnDisk = true;
    chain = nextChain;
    logEnd += frames.size();
    frameCount += pendingFrames;
    committedSize = imageBytes.size();
    overwrites.clear();
    return true;
}

IFileApi& CStrongFile::image() { return *imageApi; }

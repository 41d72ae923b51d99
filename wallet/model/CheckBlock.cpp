#include "model/CheckBlock.h"

#include "model/CryptUtil.h"
#include "platform/SecureWipe.h"
#include "zenthoLib/Base/SizedArray.h"

#include <cstdint>
#include <sys/random.h>

namespace {

constexpr std::uint32_t kShortestBlock = 8;
constexpr std::uint32_t kLengthChoices = 4;
constexpr std::uint32_t kMaxPairs = (kShortestBlock + 2 * (kLengthChoices - 1)) / 2;

bool randomWords(std::uint32_t* words, std::size_t count)
{
    const std::size_t size = count * sizeof *words;
    auto* bytes = reinterpret_cast<unsigned char*>(words);
    for (std::size_t done = 0; done < size;) {
        const ssize_t got = getrandom(bytes + done, size - done, 0);
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// The sum that the pair of byte i and byte L-1-i must have.
std::uint32_t pairSum(std::uint32_t i) { return 255 - i; }

} // namespace

bool makeCheckBlock(CSizedArray& block)
{
    // One word picks the length, one per pair picks the pair's first byte.
    std::uint32_t words[1 + kMaxPairs];
    if (!randomWords(words, std::size(words)))
        return false;
    const std::uint32_t length = kShortestBlock + 2 * (words[0] % kLengthChoices);
    if (!block.init(length))
        return false;
    unsigned char* bytes = block.getData();
    for (std::uint32_t i = 0; i < length / 2; ++i) {
        const std::uint32_t sum = pairSum(i);
        bytes[i] = static_cast<unsigned char>(words[1 + i] % sum);
        bytes[length - 1 - i] = static_cast<unsigned char>(sum - bytes[i]);
    }
    secureWipe(words, sizeof words);
    return true;
}

bool verifyCheckBlock(const CSizedArray& block)
{
    const std::uint32_t length = block.getSize();
    if (length % 2 != 0)
        return false;
    const unsigned char* bytes = block.getData();
    for (std::uint32_t i = 0; i < length / 2; ++i)
        if (static_cast<std::uint32_t>(bytes[i]) + bytes[length - 1 - i] != pairSum(i))
            return false;
    return true;
}

bool makeStoredCheckBlock(const CCryptUtil& key, CSizedArray& stored)
{
    CSizedArray plain;
    const bool made = makeCheckBlock(plain) && key.encrypt(plain, stored);
    secureWipe(plain.getData(), plain.getSize());
    return made;
}

CheckBlockResult testStoredCheckBlock(const CCryptUtil& key, const CSizedArray& stored)
{
    CSizedArray plain;
    if (!key.decrypt(stored, plain))
        return CheckBlockResult::DecryptFailed;
    const bool accepted = verifyCheckBlock(plain);
    secureWipe(plain.getData(), plain.getSize());
    return accepted ? CheckBlockResult::Accepted : CheckBlockResult::Rejected;
}

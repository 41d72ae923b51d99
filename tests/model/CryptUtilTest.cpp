#include "model/CheckBlock.h"
#include "model/CryptRecord.h"
#include "model/CryptUtil.h"
#include "model/DocumentKey.h"
#include "platform/CodePage.h"
#include "support/CodePageScope.h"
#include "support/CryptoVectors.h"
#include "zenthoLib/Base/SizedArray.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

CSizedArray arrayOf(const Bytes& bytes)
{
    CSizedArray array;
    array.init(static_cast<std::uint32_t>(bytes.size()));
    if (!bytes.empty())
        std::copy(bytes.begin(), bytes.end(), array.getData());
    return array;
}

Bytes bytesOf(const CSizedArray& array) { return Bytes(array.getData(), array.getData() + array.getSize()); }

TEST(CryptUtil, PasswordTextGivesTheWindowsCiphertextInEitherCodePage)
{
    // "päss" takes 5 bytes in UTF-8 but 4 UTF-16 units: the key hashes the units.
    for (UINT codePage : {CP_UTF8, CP_WINDOWS_1252}) {
        CodePageScope scope(codePage);
        for (const CryptoVector& v : loadCryptoVectors()) {
            const CString password(wideToAnsi(v.passwordUnits()));
            CCryptUtil key;
            ASSERT_TRUE(key.init(password)) << password.GetString();
            CSizedArray sealed, opened;
            ASSERT_TRUE(key.encrypt(arrayOf(v.plaintext), sealed));
            EXPECT_EQ(bytesOf(sealed), v.ciphertext) << "code page " << codePage << ", password " << password.GetString();
            ASSERT_TRUE(key.decrypt(sealed, opened));
            EXPECT_EQ(bytesOf(opened), v.plaintext);
        }
    }
}

TEST(CryptUtil, EqualInputGivesEqualOutputAndAKeylessObjectRefuses)
{
    CCryptUtil key;
    const CSizedArray plain = arrayOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    CSizedArray first, second;
    EXPECT_FALSE(key.encrypt(plain, first));
    ASSERT_TRUE(key.init("Secret"));
    ASSERT_TRUE(key.encrypt(plain, first));
    ASSERT_TRUE(key.encrypt(plain, second));
    EXPECT_EQ(bytesOf(first), bytesOf(second));
    EXPECT_NE(bytesOf(first), bytesOf(plain));
    key.cleanup();
    EXPECT_FALSE(key.hasKey());
    EXPECT_FALSE(key.decrypt(first, second));
}

TEST(CheckBlock, FreshBlocksHaveEveryLengthAndThePairProperty)
{
    std::set<std::uint32_t> lengths;
    for (int i = 0; i < 200; ++i) {
        CSizedArray block;
        ASSERT_TRUE(makeCheckBlock(block));
        lengths.insert(block.getSize());
        EXPECT_TRUE(verifyCheckBlock(block));
        for (std::uint32_t j = 0; j < block.getSize() / 2; ++j)
            EXPECT_EQ(block.getData()[j] + block.getData()[block.getSize() - 1 - j], 255 - static_cast<int>(j));
    }
    EXPECT_EQ(lengths, (std::set<std::uint32_t>{8, 10, 12, 14}));
}

TEST(CheckBlock, VerifyTestsEveryPair)
{
    const struct {
        Bytes bytes;
        bool valid;
    } cases[] = {
        {{0, 1, 2, 3, 249, 251, 253, 255}, true},
        {{10, 20, 30, 40, 212, 223, 234, 245}, true},
        {{0, 1, 2, 3, 249, 251, 253, 254}, false}, // the outer pair is one short
        {{0, 1, 2, 4, 249, 251, 253, 255}, false}, // the inner pair is one over
        {{0, 1, 2, 251, 253, 255}, true},          // the property alone decides, not the length
        {{0, 127, 128, 255, 1}, false},           // odd length
        {{}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(verifyCheckBlock(arrayOf(c.bytes)), c.valid) << ::testing::PrintToString(c.bytes);
}

TEST(CheckBlock, StoredBlockAcceptsOnlyItsPassword)
{
    CCryptUtil right, wrong, sameLetters;
    ASSERT_TRUE(right.init("Wallet-pass 1"));
    ASSERT_TRUE(wrong.init("another"));
    ASSERT_TRUE(sameLetters.init("wallet-pass 1"));
    // A wrong key gives random bytes, which pass by chance with odds of
    // about one in four billion per block.
    int wrongAccepted = 0;
    for (int i = 0; i < 50; ++i) {
        CSizedArray stored;
        ASSERT_TRUE(makeStoredCheckBlock(right, stored));
        EXPECT_EQ(testStoredCheckBlock(right, stored), CheckBlockResult::Accepted);
        wrongAccepted += testStoredCheckBlock(wrong, stored) == CheckBlockResult::Accepted;
        wrongAccepted += testStoredCheckBlock(sameLetters, stored) == CheckBlockResult::Accepted;
    }
    EXPECT_EQ(wrongAccepted, 0);
    CCryptUtil keyless;
    CSizedArray stored;
    ASSERT_TRUE(makeStoredCheckBlock(right, stored));
    EXPECT_EQ(testStoredCheckBlock(keyless, stored), CheckBlockResult::DecryptFailed);
}

TEST(CryptRecord, SealsRecordsUpToTheBufferAndOpensThem)
{
    CCryptUtil key;
    ASSERT_TRUE(key.init("pw"));
    for (std::uint32_t size : {1u, 4096u}) {
        const auto write = [size](COutputStream& out) {
            for (std::uint32_t i = 0; i < size; ++i)
                out << static_cast<unsigned char>(i * 7);
            return true;
        };
        CSizedArray sealed, again;
        ASSERT_TRUE(sealRecord(key, write, sealed)) << size;
        ASSERT_TRUE(sealRecord(key, write, again));
        EXPECT_EQ(bytesOf(sealed), bytesOf(again)) << "the same record seals to the same bytes";
        EXPECT_EQ(sealed.getSize(), size);
        Bytes opened(size);
        EXPECT_TRUE(openSealedRecord(key, sealed, [&](ZenthoIO::CInputStream& in) {
            return in.ReadBytes(opened.data(), size) == size;
        }));
        for (std::uint32_t i = 0; i < size; ++i)
            ASSERT_EQ(opened[i], static_cast<unsigned char>(i * 7)) << i;
    }
    CSizedArray sealed;
    EXPECT_FALSE(sealRecord(key, [](COutputStream& out) { return out.WriteBytes(Bytes(4097).data(), 4097) == 4097; }, sealed));
    EXPECT_FALSE(sealRecord(key, [](COutputStream& out) {
        out << 1;
        return false;
    }, sealed)) << "a record that failed to write";
    EXPECT_FALSE(openSealedRecord(key, arrayOf({1, 2}), [](ZenthoIO::CInputStream& in) {
        unsigned int value = 0;
        in >> value;
        return true;
    })) << "a record shorter than what is read";
}

TEST(DocumentKey, HeldKeyLivesWhileReferenced)
{
    CCryptUtil* key = new CCryptUtil;
    ASSERT_TRUE(key->init("pw"));
    key->AddRef(); // the test's own reference
    setDocumentKey(key);
    EXPECT_EQ(documentKey(), key);
    setDocumentKey(nullptr);
    EXPECT_EQ(documentKey(), nullptr);
    EXPECT_TRUE(key->hasKey()) << "still alive through the test's reference";
    key->Release();
}

} // namespace

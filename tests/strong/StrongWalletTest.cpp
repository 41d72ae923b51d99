// Strong wallets through the document: what their bytes hide, how they round
// trip with the classic format, and how damaged or hostile files are refused.
#include "StrongFixture.h"

#include "model/CryptUtil.h"
#include "model/FileOutputStream.h"
#include "model/WalletFile.h"
#include "zenthoLib/Base/SizedArray.h"
#include "model/StrongFile.h"
#include "platform/CodePage.h"

#include <set>

namespace {

constexpr std::size_t kLogStart = CStrongFile::kHeaderSize;

// The file offsets of the log's frames.
std::vector<std::size_t> frameStarts(const Bytes& bytes)
{
    std::vector<std::size_t> starts;
    for (std::size_t at = kLogStart; at + 4 <= bytes.size(); at += 4 + 24 + u32At(bytes, at))
        starts.push_back(at);
    return starts;
}

std::size_t frameLength(const Bytes& bytes, std::size_t start) { return 4 + 24 + u32At(bytes, start); }

using StrongWallet = StrongTest;

TEST_F(StrongWallet, EveryKindAndTheTreeRoundTripToTheSameClassicBytes)
{
    createWallet();
    answerPassword("pw", "pw");
    ASSERT_TRUE(doc->setPassword());
    fillEveryKind();
    // The classic wallet as its own open writes it.
    doc->deleteContents();
    answerPassword("pw");
    ASSERT_TRUE(doc->openWalletFile(walletPath()));
    doc->deleteContents();
    const Bytes classic = fileBytes();
    const std::string content = contentOf();

    ASSERT_TRUE(doc->openWalletFile(walletPath()));
    answerPassword("pw");
    ASSERT_TRUE(doc->convertWalletFile(WalletFormat::Strong));
    EXPECT_EQ(doc->getFileFormat(), WalletFormat::Strong);
    doc->deleteContents();
    EXPECT_EQ(u32At(fileBytes(), 60), 4u);
    EXPECT_EQ(contentOf(), "strong:" + content.substr(content.find(':') + 1));
    ASSERT_TRUE(openWith("pw"));
    ASSERT_TRUE(doc->convertWalletFile(WalletFormat::Classic));
    EXPECT_EQ(doc->getFileFormat(), WalletFormat::Classic);
    doc->deleteContents();
    EXPECT_EQ(fileBytes(), classic);
}

// Large card lists are read by two threads, each with its own view of the
// inner image.
TEST_F(StrongWallet, AWalletOfManyCardsRoundTrips)
{
    {
        CCategory root("Many", kNewWalletRootIcon, 0, false);
        auto category = std::make_unique<CCategory>("List", 1, 0, false);
        for (int i = 0; i < 5000; ++i)
            category->insertCard(freeForm(("card " + std::to_string(i)).c_str(), std::to_string(i * 7).c_str()));
        root.insertCategory(std::move(category));
        CFileOutputStream out;
        WalletPointers pointers;
        ASSERT_TRUE(out.open(walletPath(), true));
        ASSERT_TRUE(writeWholeWallet(out, root, CSizedArray(), pointers));
        ASSERT_TRUE(out.close());
    }
    answerPassword("pw", "pw");
    ASSERT_TRUE(openWith("pw"));
    const std::string content = describe(doc->getRoot());
    ASSERT_NE(content.find("card 4999=34993;"), std::string::npos);
    ASSERT_TRUE(doc->convertWalletFile(WalletFormat::Strong));
    EXPECT_EQ(describe(doc->getRoot()), content);
    ASSERT_TRUE(openWith("pw"));
    EXPECT_EQ(doc->getFileFormat(), WalletFormat::Strong);
    EXPECT_EQ(describe(doc->getRoot()), content);
}

TEST_F(StrongWallet, TheBytesHoldNoNameNoteOrValue)
{
    createStrong();
    fillEveryKind();
    const Bytes edited = fileBytes();
    ASSERT_TRUE(openWith("pw"));
    doc->deleteContents();
    const Bytes compacted = fileBytes();
    ASSERT_GT(secrets.size(), 100u);
    for (const Bytes* bytes : {&edited, &compacted})
        for (const std::string& secret : secrets) {
            EXPECT_FALSE(contains(*bytes, Bytes(secret.begin(), secret.end()))) << secret;
            EXPECT_FALSE(contains(*bytes, utf16le(secret))) << secret;
        }
    EXPECT_NE(contentOf().find("Card26\xC3\xBC"), std::string::npos);
}

// A small strong wallet: one category with a card, one edit after the open.
class SmallStrong : public StrongTest {
protected:
    void SetUp() override
    {
        createStrong();
        CCategory& home = addCategory(doc->getRoot(), "Home");
        addCard(home, freeForm("A", "a"));
        ASSERT_TRUE(openWith("pw")) << ::testing::PrintToString(ui.messages);
        addCard(*child(doc->getRoot(), "Home"), freeForm("B", "b"));
        doc->deleteContents();
        whole = fileBytes();
        content = contentOf();
        ASSERT_EQ(content, "strong:My Wallet{Home{A=a;B=b;}}");
    }
    Bytes whole;
    std::string content;
};

// Any byte changed gives the message or, for a byte no reader looks at, the
// same content; never other content, never a change on disk.
TEST_F(SmallStrong, EveryChangedByteIsRefusedOrChangesNothing)
{
    const std::set<std::string> classicRefusals = {DocumentTexts::kInvalidFormat, DocumentTexts::kNewerVersion, DocumentTexts::kCannotOpen};
    for (std::size_t at = 0; at < whole.size(); ++at) {
        Bytes bytes = whole;
        bytes[at] ^= 0x5A;
        writeFileBytes(nativePath(), bytes);
        const std::string seen = contentOf();
        EXPECT_EQ(readFileBytes(nativePath()), bytes) << at;
        if (seen == content)
            continue;
        const std::string message = seen.substr(std::min(seen.size(), std::string("refused: ").size()));
        if (at < 64)
            EXPECT_TRUE(message == DocumentTexts::kDamaged || classicRefusals.count(message)) << at << ": " << seen;
        else
            EXPECT_EQ(seen, std::string("refused: ") + DocumentTexts::kDamaged) << at;
    }
}

TEST_F(SmallStrong, EveryCutIsRefusedAndLeftAsItWas)
{
    const std::set<std::string> allowed = {DocumentTexts::kDamaged, DocumentTexts::kInvalidFormat, DocumentTexts::kCannotOpen};
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(length));
        writeFileBytes(nativePath(), cut);
        ui = ScriptedUserInterface();
        answerPassword("pw");
        EXPECT_FALSE(doc->openWalletFile(walletPath())) << length;
        ASSERT_EQ(ui.messages.size(), 1u) << length;
        EXPECT_TRUE(allowed.count(ui.messages[0])) << length << ": " << ui.messages[0];
        EXPECT_EQ(readFileBytes(nativePath()), cut) << length;
    }
}

// Frames swapped, moved or taken from another file with the same password.
TEST_F(SmallStrong, FramesOutOfPlaceAreRefused)
{
    const std::vector<std::size_t> starts = frameStarts(whole);
    ASSERT_GE(starts.size(), 3u);
    const auto spliced = [&](std::size_t first, std::size_t second) {
        Bytes bytes(whole.begin(), whole.begin() + static_cast<long>(starts[first]));
        const auto frame = [&](std::size_t i) {
            return std::pair(whole.begin() + static_cast<long>(starts[i]), whole.begin() + static_cast<long>(starts[i] + frameLength(whole, starts[i])));
        };
        const auto [secondBegin, secondEnd] = frame(second);
        const auto [firstBegin, firstEnd] = frame(first);
        bytes.insert(bytes.end(), secondBegin, secondEnd);
        bytes.insert(bytes.end(), whole.begin() + static_cast<long>(starts[first] + frameLength(whole, starts[first])), whole.begin() + static_cast<long>(starts[second]));
        bytes.insert(bytes.end(), firstBegin, firstEnd);
        bytes.insert(bytes.end(), secondEnd, whole.end());
        return bytes;
    };
    const std::string refused = std::string("refused: ") + DocumentTexts::kDamaged;
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        writeFileBytes(nativePath(), spliced(i, i + 1));
        EXPECT_EQ(contentOf(), refused) << "frames " << i << " and " << i + 1;
    }
    // The open's compaction keeps the file's id and key: the frames of one
    // state of the file do not pass for those of another.
    writeFileBytes(nativePath(), whole);
    ASSERT_TRUE(openWith("pw"));
    doc->deleteContents();
    const Bytes compacted = fileBytes();
    const auto joined = [](const Bytes& headerFrom, const Bytes& logFrom) {
        Bytes bytes(headerFrom.begin(), headerFrom.begin() + kLogStart);
        bytes.insert(bytes.end(), logFrom.begin() + kLogStart, logFrom.end());
        return bytes;
    };
    for (const Bytes& bytes : {joined(whole, compacted), joined(compacted, whole)}) {
        writeFileBytes(nativePath(), bytes);
        EXPECT_EQ(contentOf(), refused);
    }
    Bytes firstFrame = whole;
    const std::size_t length = frameLength(compacted, kLogStart);
    if (length <= frameLength(whole, kLogStart)) {
        std::copy(compacted.begin() + kLogStart, compacted.begin() + static_cast<long>(kLogStart + length), firstFrame.begin() + kLogStart);
        writeFileBytes(nativePath(), firstFrame);
        EXPECT_EQ(contentOf(), refused) << "the first frame of another state";
    }
}

// Bytes after the committed end are what an interrupted edit leaves: they
// are not read, and the open's compaction drops them.
TEST_F(SmallStrong, BytesBeyondTheCommittedEndAreIgnoredAndDropped)
{
    Bytes padded = whole;
    padded.insert(padded.end(), 300, 0xA5);
    writeFileBytes(nativePath(), padded);
    EXPECT_EQ(contentOf(), content);
    ASSERT_TRUE(openWith("pw"));
    doc->deleteContents();
    EXPECT_LT(fileBytes().size(), padded.size());
    EXPECT_EQ(contentOf(), content);
}

TEST_F(SmallStrong, WrongPasswordIsIncorrectAndCountsToTheLockOut)
{
    options.setLockoutEnabled(true);
    options.setAttempts(2);
    options.setLockoutMinutes(5);
    ui = ScriptedUserInterface();
    EXPECT_FALSE(openWith("nope"));
    EXPECT_EQ(ui.messages, Messages{"Password is incorrect!"});
    EXPECT_FALSE(options.isLockedOut());
    EXPECT_FALSE(openWith("Pw"));
    EXPECT_EQ(ui.messages, (Messages{"Password is incorrect!", "Password is incorrect!", "Wallet is blocked!"}));
    EXPECT_EQ(ui.quitRequests, std::vector<int>{-1});
    EXPECT_TRUE(options.isLockedOut());
    EXPECT_EQ(fileBytes(), whole);
}

TEST_F(SmallStrong, OpenWithTheRightPasswordUnlocksTheInnerWallet)
{
    ui = ScriptedUserInterface();
    ASSERT_TRUE(openWith("pw"));
    EXPECT_EQ(ui.passwordModes, std::vector<PasswordMode>{PasswordMode::Enter});
    EXPECT_TRUE(doc->hasPassword());
    EXPECT_TRUE(doc->isUnlocked());
    EXPECT_TRUE(ui.messages.empty());
}

// A password change rewrites the key slot and appends the inner index block:
// the old password no longer opens the file, the new one does.
TEST_F(SmallStrong, PasswordChangeReWrapsTheFileKey)
{
    ASSERT_TRUE(openWith("pw"));
    const Bytes before = fileBytes();
    ui.passwordAnswers.push_back({true, "pw", "new", "new"});
    ASSERT_TRUE(doc->changePassword());
    doc->deleteContents();
    const Bytes changed = fileBytes();
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 80, changed.begin()));
    EXPECT_FALSE(std::equal(before.begin() + 100, before.begin() + 188, changed.begin() + 100));
    EXPECT_TRUE(std::equal(before.begin() + kLogStart, before.end(), changed.begin() + kLogStart)) << "the log is only appended to";
    EXPECT_LT(changed.size() - before.size(), 1000u);
    EXPECT_FALSE(openWith("pw"));
    EXPECT_EQ(ui.messages.back(), "Password is incorrect!");
    ASSERT_TRUE(openWith("new"));
    EXPECT_TRUE(doc->isUnlocked());
    EXPECT_EQ(describe(doc->getRoot()), "My Wallet{Home{A=a;B=b;}}");
}

// Parameters out of bounds are refused before the password is even asked
// for, so a hostile file costs neither memory nor time.
TEST_F(SmallStrong, KeyDerivationBeyondBoundsIsRefusedBeforeAnyWork)
{
    const struct {
        const char* name;
        std::size_t at, size;
        std::uint64_t value;
    } cases[] = {
        {"memory over 1 GiB", 92, 8, (1ull << 30) + 1024},
        {"memory below the minimum", 92, 8, 1024},
        {"a thousand passes", 84, 8, 1000},
        {"no pass", 84, 8, 0},
        {"another algorithm", 80, 4, 1},
    };
    for (const auto& c : cases) {
        Bytes bytes = whole;
        for (std::size_t i = 0; i < c.size; ++i)
            bytes[c.at + i] = static_cast<unsigned char>(c.value >> (8 * i));
        crypto_generichash(bytes.data() + 188, 32, bytes.data(), 188, nullptr, 0);
        writeFileBytes(nativePath(), bytes);
        ui = ScriptedUserInterface();
        answerPassword("pw");
        EXPECT_FALSE(doc->openWalletFile(walletPath())) << c.name;
        EXPECT_TRUE(ui.passwordModes.empty()) << c.name;
        EXPECT_EQ(ui.messages, Messages{DocumentTexts::kDamaged}) << c.name;
    }
}

TEST_F(StrongWallet, AClassicBodyUnderTheStrongVersionIsDamaged)
{
    createWallet();
    doc->deleteContents();
    Bytes bytes = fileBytes();
    bytes[60] = 4;
    writeFileBytes(nativePath(), bytes);
    answerPassword("pw");
    EXPECT_FALSE(doc->openWalletFile(walletPath()));
    EXPECT_EQ(ui.messages, Messages{DocumentTexts::kDamaged});
}

} // namespace

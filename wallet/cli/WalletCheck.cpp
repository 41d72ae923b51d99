// The check command: reads the wallet file without changing it and reports
// its structure, whether the password is right, whether every sealed record
// opens, and how many bytes are live (reachable from the index block) and
// dead (left behind by edits until the next open compacts the file).
#include "Commands.h"

#include "WalletSession.h"
#include "model/CheckBlock.h"
#include "model/CryptUtil.h"
#include "model/DocumentTexts.h"
#include "model/FileInputStream.h"
#include "model/StrongFile.h"
#include "platform/NativePath.h"
#include "model/NodeFactory.h"
#include "model/StreamValues.h"
#include "model/WalletFile.h"
#include "zenthoLib/Base/ByteInputStream.h"
#include "zenthoLib/Base/SizedArray.h"

#include <iostream>
#include <set>

namespace {

class WalletChecker {
public:
    WalletChecker(CFileInputStream& in, std::uint32_t size) : size(size), in(in) {}

    bool readHeader(CSizedArray& checkBlock);
    void checkCategory(std::uint32_t offset, const std::string& path);
    void setKey(const CCryptUtil* cardKey) { key = cardKey; }

    std::uint32_t size;
    unsigned int version = 0;
    std::uint32_t rootOffset = 0;
    std::uint64_t live = 0;
    int categories = 0;
    int cards = 0;
    int sealed = 0;
    int sealedOpened = 0;
    std::vector<std::string> problems;

private:
    bool seek(std::uint32_t offset, const std::string& what);
    void checkCard(std::uint32_t offset, const std::string& where);
    void checkSealed(std::uint32_t offset, const std::string& where);
    void problem(const std::string& text) { problems.push_back(text); }
    std::uint32_t position()
    {
        std::uint32_t at = 0;
        in.getCurrentStreamPosition(at);
        return at;
    }

    CFileInputStream& in;
    const CCryptUtil* key = nullptr;
    std::set<std::uint32_t> visited;
};

bool WalletChecker::seek(std::uint32_t offset, const std::string& what)
{
    if (offset >= size || !in.setCurrentPosition(offset)) {
        problem(what + " points to offset " + std::to_string(offset) + ", outside the file.");
        return false;
    }
    if (!visited.insert(offset).second) {
        problem(what + " points to offset " + std::to_string(offset) + ", which another node uses too.");
        return false;
    }
    return true;
}

bool WalletChecker::readHeader(CSizedArray& checkBlock)
{
    WalletHeader header;
    const WalletHeaderResult result = readWalletHeader(in, header, checkBlock);
    version = header.fileVersion;
    rootOffset = header.rootOffset;
    switch (result) {
    case WalletHeaderResult::Read:
        break;
    case WalletHeaderResult::InvalidFormat:
        problem("The header is not that of a wallet file.");
        return false;
    case WalletHeaderResult::NewerVersion:
        problem("The file version " + std::to_string(version) + " is unknown.");
        return false;
    case WalletHeaderResult::NoRoot:
        problem("The wallet has no root category.");
        return false;
    case WalletHeaderResult::ReadError:
        problem(header.pointers.indexPointerOffset == 0 ? "The header is not that of a wallet file." : "The index block cannot be read.");
        return false;
    }
    if (version == 0) {
        problem("The file version 0 is unknown.");
        return false;
    }
    // The header, the index pointer, the root offset and the check block.
    live = header.pointers.indexPointerOffset + 4 + 4 + 4 + checkBlock.getSize();
    return true;
}

void WalletChecker::checkCategory(std::uint32_t offset, const std::string& path)
{
    const std::string what = "The category " + path;
    if (!seek(offset, path.empty() ? "The root pointer" : "The record of " + path))
        return;
    int typeId = 0;
    std::uint32_t count = 0;
    std::vector<std::uint32_t> subOffsets;
    std::vector<std::uint32_t> cardOffsets;
    bool readOk = read(in, typeId) && typeId == -1 && read(in, count) && count <= (size - position()) / 4;
    for (std::uint32_t i = 0; readOk && i < count; ++i)
        readOk = read(in, subOffsets.emplace_back());
    readOk = readOk && read(in, count) && count <= (size - position()) / 4;
    for (std::uint32_t i = 0; readOk && i < count; ++i)
        readOk = read(in, cardOffsets.emplace_back());
    int defaultType = 0, orderFlag = 0, encrypted = 0, time = 0;
    CString name, icon, notes;
    readOk = readOk && read(in, defaultType) && read(in, orderFlag) && read(in, encrypted) && read(in, name) && read(in, icon) &&
        read(in, notes) && read(in, time);
    if (!readOk) {
        problem((path.empty() ? std::string("The root category") : what) + " has a damaged record at offset " + std::to_string(offset) + ".");
        return;
    }
    ++categories;
    live += position() - offset;
    const std::string here = path + "/" + name.str();
    for (const std::uint32_t sub : subOffsets)
        checkCategory(sub, here);
    for (const std::uint32_t card : cardOffsets) {
        if (encrypted)
            checkSealed(card, here);
        else
            checkCard(card, here);
    }
}

void WalletChecker::checkCard(std::uint32_t offset, const std::string& where)
{
    if (!seek(offset, "A card of " + where))
        return;
    std::unique_ptr<CNode> node;
    if (!readNode(in, node, version) || !node->isCard()) {
        problem("The card at offset " + std::to_string(offset) + " in " + where + " is damaged.");
        return;
    }
    ++cards;
    live += position() - offset;
}

void WalletChecker::checkSealed(std::uint32_t offset, const std::string& where)
{
    CSizedArray record;
    if (!seek(offset, "A sealed card of " + where) || !in.readArray(record)) {
        problem("The sealed card at offset " + std::to_string(offset) + " in " + where + " cannot be read.");
        return;
    }
    ++sealed;
    live += 4 + record.getSize();
    if (!key)
        return;
    CSizedArray plain;
    std::unique_ptr<CNode> node;
    if (key->decrypt(record, plain)) {
        ZenthoIO::CByteInputStream cardIn(plain.getData(), plain.getSize());
        if (readNode(cardIn, node, version) && node->isCard()) {
            ++sealedOpened;
            return;
        }
    }
    problem("The sealed card at offset " + std::to_string(offset) + " in " + where + " does not open.");
}

// "correct", "none", or why the password was not checked; false when it is wrong.
bool checkPassword(WalletSession& session, const CSizedArray& checkBlock, CCryptUtil& key, std::string& verdict)
{
    if (checkBlock.getSize() == 0) {
        verdict = "none";
        return true;
    }
    PasswordEntry entry;
    if (!session.ui().askPassword(PasswordMode::Enter, entry)) {
        verdict = "not checked (no password given; sealed cards not opened)";
        return true;
    }
    if (!key.init(entry.first)) {
        verdict = "not checked (An error occured while initializing passwords!)";
        return false;
    }
    switch (testStoredCheckBlock(key, checkBlock)) {
    case CheckBlockResult::Accepted:
        verdict = "correct";
        return true;
    case CheckBlockResult::Rejected:
        verdict = "wrong";
        break;
    case CheckBlockResult::DecryptFailed:
        verdict = "not checked (An error occured while initializing passwords!)";
        break;
    }
    return false;
}

// A strong file opened with the password, for reading its inner wallet;
// null after the message.
std::unique_ptr<CStrongFile> unlockStrongFile(WalletSession& session, const std::string& path)
{
    StrongOpenResult result = StrongOpenResult::CannotOpen;
    std::unique_ptr<CStrongFile> file = CStrongFile::openExisting(path, FileSharing::Readers, result);
    if (file) {
        PasswordEntry entry;
        if (!session.ui().askPassword(PasswordMode::Enter, entry))
            return nullptr;
        result = file->unlock(entry.first);
    }
    if (result == StrongOpenResult::Opened)
        return file;
    session.ui().messageBox(result == StrongOpenResult::Damaged         ? DocumentTexts::kDamaged
                            : result == StrongOpenResult::WrongPassword ? DocumentTexts::kPasswordIncorrect
                                                                        : DocumentTexts::kCannotOpen,
                            MB_OK | MB_ICONERROR);
    return nullptr;
}

} // namespace

// A strong wallet is checked as the classic wallet it carries; its password
// unlocks both.
int runCheck(WalletSession& session, const CommandLine& line)
{
    if (!session.start())
        return 1;
    const std::string native = toNativePath(walletPath(line.arguments[0]));
    const bool strong = CStrongFile::isStrongFile(native);
    std::unique_ptr<CStrongFile> strongFile = strong ? unlockStrongFile(session, native) : nullptr;
    if (strong && !strongFile)
        return 1;
    CFileInputStream in(strongFile ? strongFile->image() : fileApi());
    std::uint32_t size = 0;
    if (!in.open(walletPath(line.arguments[0]), FileSharing::Readers) || !in.getSize(size)) {
        session.ui().messageBox("Cannot open file!", MB_OK | MB_ICONERROR);
        return 1;
    }
    WalletChecker checker(in, size);
    CSizedArray checkBlock;
    std::string verdict = "not checked";
    CCryptUtil key;
    bool passwordRight = true;
    if (checker.readHeader(checkBlock)) {
        passwordRight = checkPassword(session, checkBlock, key, verdict);
        if (passwordRight && key.hasKey())
            checker.setKey(&key);
        checker.checkCategory(checker.rootOffset, "");
    }
    in.close();
    if (!passwordRight)
        session.ui().messageBox("Password is incorrect!", MB_OK | MB_ICONERROR);
    std::cout << "Format: " << walletFormatName(strong ? WalletFormat::Strong : WalletFormat::Classic) << "\n";
    if (strongFile)
        std::cout << "Key derivation: Argon2id, " << strongFile->kdfParameters().opsLimit << " passes, "
                  << strongFile->kdfParameters().memLimit / 1024 << " KiB\n";
    std::cout << "File version: " << checker.version << "\n"
              << "File size: " << size << " bytes\n"
              << "Categories: " << checker.categories << ", cards: " << checker.cards << ", sealed cards: " << checker.sealed
              << " (" << checker.sealedOpened << " opened)\n"
              << "Password: " << verdict << "\n"
              << "Live bytes: " << checker.live << ", dead bytes: " << (size > checker.live ? size - checker.live : 0) << "\n";
    for (const std::string& problem : checker.problems)
        std::cout << "Damaged: " << problem << "\n";
    std::cout << (checker.problems.empty() && passwordRight ? "The wallet is sound." : "The wallet did not pass the check.") << "\n";
    return checker.problems.empty() && passwordRight ? 0 : 1;
}

// Writes the fuzz targets' seed inputs with the project's own code:
// make-seeds CORPUS_FOLDER. The icon seeds are icons of the shipped set.
#include "support/OldWalletFile.h"

#include "cards/CardFreeForm.h"
#include "cards/CardPassword.h"
#include "model/Category.h"
#include "model/CryptUtil.h"
#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "platform/Registry.h"
#include "platform/RegistryText.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"
#include "zenthoLib/Base/SmartPtr.h"
#include "zenthoLib/Base/ByteOutputStream.h"
#include "zenthoLib/Base/UserInterface.h"

#include <filesystem>
#include "model/StrongKeys.h"
#include "model/WalletStorage.h"

#include <sodium.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::filesystem::path g_corpus;

void writeSeed(const std::string& target, const std::string& name, const void* data, std::size_t size)
{
    const auto folder = g_corpus / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void writeOptions(const std::string& name, const CKeldraOptions& options)
{
    unsigned char buffer[2048];
    CByteOutputStream out(buffer, sizeof buffer);
    const_cast<CKeldraOptions&>(options).save(out);
    writeSeed("fuzzOptionsValue", name, buffer, out.getDataSize());
}

// Answers every password question with "pw".
class SeedUserInterface : public IUserInterface {
public:
    int messageBox(const CString&, UINT) override { return IDOK; }
    bool askPassword(PasswordMode, PasswordEntry& entry) override
    {
        entry.first = entry.second = entry.third = "pw";
        return true;
    }
    bool chooseSaveFile(const CString&, const CString&, CString&) override { return false; }
    void requestQuit(int) override {}
};

void writeBytesSeed(const std::string& target, const std::string& name, const std::vector<unsigned char>& bytes)
{
    writeSeed(target, name, bytes.data(), bytes.size());
}

// A small wallet of today's version: a card in the root, a category with a
// card, and with a password an encrypted category with a sealed card.
std::vector<unsigned char> currentWallet(const std::filesystem::path& folder, bool withPassword, WalletFormat format = WalletFormat::Classic)
{
    const std::filesystem::path file = folder / "seed.wal";
    {
        SeedUserInterface ui;
        CKeldraOptions options;
        CKeldraRegistry registry;
        CWalletDoc doc(ui, options, registry);
        if (!doc.createWalletFile(fromNativePath(file.string()), "My Wallet", format))
            return {};
        CCategory& root = doc.getRoot();
        doc.addCard(root, std::make_unique<CCardFreeForm>("Note", "text", false));
        auto home = std::make_unique<CCategory>("Home", 1, 0, false);
        CCategory& homeRef = *home;
        doc.addCategory(root, std::move(home));
        doc.addCard(homeRef, std::make_unique<CCardPassword>("Router", "", "sys", "me", "pw1", ""));
        if (withPassword && doc.setPassword()) {
            auto vault = std::make_unique<CCategory>("Vault", 1, 0, true);
            CCategory& vaultRef = *vault;
            doc.addCategory(root, std::move(vault));
            doc.addCard(vaultRef, std::make_unique<CCardPassword>("Bank", "", "bank", "me", "pw2", ""));
        }
        doc.deleteContents();
    }
    std::ifstream in(file, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWalletSeeds()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "keldra-seeds";
    std::filesystem::create_directories(folder / "registry");
    setenv("KELDRA_REGISTRY", (folder / "registry").c_str(), 1);
    CSmartPtr<CCryptUtil> key(new CCryptUtil);
    if (!key->init("pw"))
        return;
    for (const unsigned int version : {1u, 2u}) {
        const std::string name = "version" + std::to_string(version);
        writeBytesSeed("fuzzWalletOpen", name, buildOldWallet(version, nullptr));
        writeBytesSeed("fuzzWalletOpen", name + "-password", buildOldWallet(version, key.get()));
    }
    writeBytesSeed("fuzzWalletOpen", "version3", currentWallet(folder, false));
    writeBytesSeed("fuzzWalletOpen", "version3-password", currentWallet(folder, true));
    // Strong wallets with the fuzz target's cheap key derivation.
    const KdfParameters cheap{static_cast<std::uint32_t>(crypto_pwhash_ALG_ARGON2ID13), 1, crypto_pwhash_MEMLIMIT_MIN};
    setKdfParametersForNewFiles(&cheap);
    writeBytesSeed("fuzzStrongOpen", "strong", currentWallet(folder, false, WalletFormat::Strong));
    writeBytesSeed("fuzzStrongOpen", "strong-vault", currentWallet(folder, true, WalletFormat::Strong));
    setKdfParametersForNewFiles(nullptr);

    // A sealed card of each version, behind the byte that picks the version.
    for (const unsigned int version : {1u, 2u, 3u}) {
        CSizedArray sealed;
        const bool made = sealRecord(*key, [&](COutputStream& out) {
            if (version == 3)
                return CCardPassword("Bank", "notes", "bank", "me", "pw2", "info").save(out);
            OldWalletDetail::passwordCard(out, version, "Bank", "pw2");
            return out.getError() == 0;
        }, sealed);
        if (!made)
            continue;
        std::vector<unsigned char> seed{static_cast<unsigned char>(version - 1)};
        seed.insert(seed.end(), sealed.getData(), sealed.getData() + sealed.getSize());
        writeBytesSeed("fuzzSealedRecord", "card-version" + std::to_string(version), seed);
    }
    std::filesystem::remove_all(folder);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    g_corpus = argv[1];

    CKeldraOptions defaults;
    writeOptions("defaults", defaults);
    CKeldraOptions locked;
    locked.setLockoutEnabled(true);
    locked.setAttempts(3);
    locked.setLockoutMinutes(5);
    locked.startLockout(1000000000);
    writeOptions("locked-out", locked);

    RegistryNode root("HKEY_LOCAL_MACHINE");
    bool created = false;
    RegistryNode& keldra = root.ensureSubkey("SOFTWARE", created).ensureSubkey("Quorvex", created).ensureSubkey("Keldra", created);
    const std::string lastFile = "C:\\My Documents\\My Wallet.wal";
    keldra.setValue("lastFile", REG_SZ, std::vector<BYTE>(lastFile.begin(), lastFile.end() + 1));
    keldra.setValue("count", REG_DWORD, {0x2a, 0, 0, 0});
    keldra.setValue("options", REG_BINARY, {0x4c, 0, 0, 0, 5, 0, 0, 0});
    keldra.setValue("", REG_SZ, {'"', 'q', '"', 0});
    const std::string text = formatRegistryText(root, "HKEY_LOCAL_MACHINE");
    writeSeed("fuzzRegistryText", "keldra-key", text.data(), text.size());

    for (const auto& [name, pair] : {std::pair<std::string, std::string>{"relative", std::string("C:\\a\\b\\doc.wal") + '\0' + "..\\c\\pic.bmp"},
                                     {"codepage", std::string("caf\xe9 \xe2\x82\xac") + '\0' + "C:\\x\\y"}})
        writeSeed("fuzzPaths", name, pair.data(), pair.size());
    writeWalletSeeds();
    return 0;
}

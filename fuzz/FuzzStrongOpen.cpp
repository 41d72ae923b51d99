// The open of a strong wallet file: its header, the key derivation's
// bounds, the commit record and the replay of the log, then an edit and the
// open again. Inputs whose key derivation would cost more than the cheapest
// parameters are skipped (the bounds are tested on their own), and the
// header's checksum is put right so that changes reach the records behind it.
#include "model/Category.h"
#include "model/StrongFile.h"
#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"
#include "zenthoLib/Base/UserInterface.h"

#include "cards/CardFreeForm.h"

#include <sodium.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

// Answers every password question with "pw" and every other question with Cancel.
class FuzzUserInterface : public IUserInterface {
public:
    int messageBox(const CString&, UINT type) override { return (type & 0xF) == MB_OK ? IDOK : IDCANCEL; }
    bool askPassword(PasswordMode, PasswordEntry& entry) override
    {
        entry.first = entry.second = entry.third = "pw";
        return true;
    }
    bool chooseSaveFile(const CString&, const CString&, CString&) override { return false; }
    void requestQuit(int) override {}
};

std::filesystem::path g_folder;

std::uint64_t u64At(const unsigned char* at)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = std::filesystem::temp_directory_path() / ("keldra-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(g_folder / "registry");
    setenv("KELDRA_REGISTRY", (g_folder / "registry").c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size > 64 * 1024)
        return 0;
    std::vector<unsigned char> bytes(data, data + size);
    if (bytes.size() >= CStrongFile::kHeaderSize) {
        if (u64At(bytes.data() + 84) > 1 || u64At(bytes.data() + 92) > crypto_pwhash_MEMLIMIT_MIN)
            return 0;
        if (size % 3 != 0)
            crypto_generichash(bytes.data() + 188, 32, bytes.data(), 188, nullptr, 0);
    }
    const std::filesystem::path file = g_folder / "fuzz.wal";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    FuzzUserInterface ui;
    CKeldraOptions options;
    options.setLockoutEnabled(false);
    CKeldraRegistry registry;
    CWalletDoc doc(ui, options, registry);
    const CString path = fromNativePath(file.string());
    if (!doc.openWalletFile(path))
        return 0;
    doc.decryptAllCategories();
    doc.addCard(doc.getRoot(), std::make_unique<CCardFreeForm>("Fuzz", "fuzz", false));
    doc.lock();
    doc.deleteContents();
    if (!doc.openWalletFile(path))
        std::abort();
    return 0;
}

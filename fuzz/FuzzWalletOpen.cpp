// The whole open of a wallet file: the header, the index block, the password
// check, the records, the sealed cards and the rewrite. Whatever the bytes,
// the open ends with a message or a readable wallet, and a wallet that opened
// opens again from its rewritten file.
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"
#include "zenthoLib/Base/UserInterface.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

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
    const std::filesystem::path file = g_folder / "fuzz.wal";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    FuzzUserInterface ui;
    CKeldraOptions options;
    options.setLockoutEnabled(false);
    options.setPromptOnOpen(size % 2 == 0);
    CKeldraRegistry registry;
    CWalletDoc doc(ui, options, registry);
    const CString path = fromNativePath(file.string());
    if (!doc.openWalletFile(path))
        return 0;
    doc.decryptAllCategories();
    doc.search("a", true, false, false);
    doc.lock();
    doc.deleteContents();
    if (!doc.openWalletFile(path))
        std::abort();
    return 0;
}

// Writes the fuzz targets' seed inputs with the project's own code:
// make-seeds CORPUS_FOLDER. The icon seeds are icons of the shipped set.
#include "platform/Registry.h"
#include "platform/RegistryText.h"
#include "settings/KeldraOptions.h"
#include "zenthoLib/Base/ByteOutputStream.h"

#include <filesystem>
#include <fstream>
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
    return 0;
}

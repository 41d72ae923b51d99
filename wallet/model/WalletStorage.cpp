#include "model/WalletStorage.h"

#include "model/StrongFile.h"
#include "platform/FileApi.h"

namespace {

class ClassicStorage : public CWalletStorage {
public:
    WalletFormat format() const override { return WalletFormat::Classic; }
    IFileApi& files() override { return fileApi(); }
    std::unique_ptr<CWalletStorage> copyInto(const std::string&) override { return classicWalletStorage(); }
    bool stagePassword(const CString&) override { return true; }
    void dropStagedPassword() override {}
};

class StrongStorage : public CWalletStorage {
public:
    explicit StrongStorage(std::unique_ptr<CStrongFile> strong) : file(std::move(strong)) {}
    WalletFormat format() const override { return WalletFormat::Strong; }
    IFileApi& files() override { return file->image(); }
    std::unique_ptr<CWalletStorage> copyInto(const std::string& temporary) override
    {
        std::unique_ptr<CStrongFile> copy = file->emptyCopyAt(temporary);
        return copy ? strongWalletStorage(std::move(copy)) : nullptr;
    }
    bool stagePassword(const CString& password) override { return file->stagePassword(password); }
    void dropStagedPassword() override { file->dropStagedPassword(); }

private:
    std::unique_ptr<CStrongFile> file;
};

} // namespace

const char* walletFormatName(WalletFormat format) { return format == WalletFormat::Strong ? "strong" : "classic"; }

std::unique_ptr<CWalletStorage> classicWalletStorage() { return std::make_unique<ClassicStorage>(); }

std::unique_ptr<CWalletStorage> strongWalletStorage(std::unique_ptr<CStrongFile> file)
{
    return std::make_unique<StrongStorage>(std::move(file));
}

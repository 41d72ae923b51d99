// Where the document's wallet streams keep the wallet's bytes: the classic
// file itself, or the inner image of a strong file (StrongFile.h). The
// document opens, appends, updates and compacts through the same streams
// either way; the header's version picks the storage when a file is opened.
#pragma once

#include "platform/CString.h"

#include <memory>
#include <string>

class CStrongFile;
class IFileApi;

enum class WalletFormat {
    Classic, // the Windows program's layout, versions 1 to 3
    Strong,  // version 4: the whole file encrypted and authenticated
};

// "classic" or "strong", as the tool prints it.
const char* walletFormatName(WalletFormat format);

class CWalletStorage {
public:
    virtual ~CWalletStorage() = default;

    virtual WalletFormat format() const = 0;
    // The file calls of the wallet's input and output streams.
    virtual IFileApi& files() = 0;
    // The storage of a copy of the wallet in the same format, written to the
    // new file `temporary` (native path); null when it cannot be made.
    virtual std::unique_ptr<CWalletStorage> copyInto(const std::string& temporary) = 0;
    // The next commit of the wallet's bytes also puts the storage itself
    // under `password` (nothing to do for a classic file).
    virtual bool stagePassword(const CString& password) = 0;
    virtual void dropStagedPassword() = 0;
};

std::unique_ptr<CWalletStorage> classicWalletStorage();
std::unique_ptr<CWalletStorage> strongWalletStorage(std::unique_ptr<CStrongFile> file);

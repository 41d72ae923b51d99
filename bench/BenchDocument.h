// A wallet document with the benchmark's person and default settings.
#pragma once

#include "BenchUserInterface.h"

#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"

#include <string>

struct BenchDocument {
    BenchUserInterface ui;
    CKeldraOptions options;
    CKeldraRegistry registry;
    CWalletDoc doc{ui, options, registry};

    bool open(const std::string& nativePath) { return doc.openWalletFile(fromNativePath(nativePath)); }
};

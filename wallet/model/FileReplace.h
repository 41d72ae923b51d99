// The temporary file that a wallet is rewritten into, and the step that puts
// it in the wallet's place. Paths are in the Windows form.
#pragma once

#include "platform/CString.h"

// Creates an empty file (mode 0600) with a unique name beginning with "wall"
// in the folder of `path`, and gives its path.
bool createTemporaryFileBeside(const CString& path, CString& temporaryPath);

// Puts the written temporary file in the place of `path` in one step: the
// temporary file is synced, renamed over `path`, and the folder synced. At
// every moment either the old or the new file is there, whole.
bool replaceFileWith(const CString& path, const CString& temporaryPath);

// The last step of an import: the cards made from another manager's file
// added to the wallet by the document's own operations.
#pragma once

#include "CardMapping.h"
#include "ImportFormats.h"

#include <string>

class CWalletDoc;

namespace Interchange {

// The name of the category an import makes by default: the source and
// today's date ("KeePass 2 XML 2026-12-11").
std::string importCategoryName(Format format);

// Adds the whole import below `target` as one new category named `name`
// (UTF-8), with the default category icon: one edit of the document, so
// that it is in the file whole or not at all. The categories keep the
// marks mapImport gave them; the summary counts the new one.
bool addImportAsCategory(CWalletDoc& document, CCategory& target, MappedImport& mapped, const std::string& name);

} // namespace Interchange

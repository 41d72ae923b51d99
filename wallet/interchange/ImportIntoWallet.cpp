#include "ImportIntoWallet.h"

#include "images/IconIndex.h"
#include "images/IconNames.h"
#include "model/Category.h"
#include "model/NodeTreeState.h"
#include "model/WalletDoc.h"
#include "platform/CodePage.h"

#include <ctime>

namespace Interchange {

namespace {

std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
    return text;
}

} // namespace

std::string importCategoryName(Format format) { return std::string(formatInfo(format).source) + " " + today(); }

bool addImportAsCategory(CWalletDoc& document, CCategory& target, MappedImport& mapped, const std::string& name)
{
    mapped.holder->setName(CString(wideToAnsi(utf8ToWide(name))));
    mapped.holder->setIconIndex(NodeTreeState::iconIndex().variantIndex(IconNames::kDefaultCategoryIndex));
    ++mapped.summary.categories;
    // Added as pasted: the new category brings every record below it.
    return document.addCategory(target, std::move(mapped.holder), true);
}

} // namespace Interchange

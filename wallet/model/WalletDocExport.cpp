// The text export of the whole wallet and the search over its cards.
#include "model/WalletDoc.h"

#include "model/Category.h"
#include "model/DocumentCardSealer.h"
#include "model/DocumentTexts.h"
#include "model/FileOutputStream.h"
#include "model/SearchResult.h"
#include "platform/CodePage.h"
#include "zenthoLib/Base/UserInterface.h"

#include <cstring>

namespace {

bool writeText(CFileOutputStream& out, const char* text)
{
    return out.writeRaw(reinterpret_cast<const unsigned char*>(text), static_cast<std::uint32_t>(std::strlen(text)));
}

bool endLine(CFileOutputStream& out) { return writeText(out, "\r\n"); }

} // namespace

bool CWalletDoc::exportCategory(CFileOutputStream& out, CCategory& category)
{
    if (!CNode::writeExportLine(out, DocumentTexts::kCategoryLabel, category.getName()) || !endLine(out))
        return false;
    for (const auto& card : category.getCards())
        if (!card->exportText(out) || !endLine(out))
            return false;
    for (const auto& subcategory : category.getSubcategories())
        if (!exportCategory(out, *subcategory) || !endLine(out))
            return false;
    return true;
}

// Whether the export may go on: the sealed cards are opened first when the
// person wants them (and always while the wallet is unlocked).
bool CWalletDoc::decryptForExport()
{
    if (!hasEncryptedCategory(*root))
        return true;
    if (!isUnlocked() && hasPassword()) {
        const int answer = ui.messageBox(DocumentTexts::kDecryptBeforeExport, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return false;
        if (answer == IDNO)
            return true;
        if (obtainDocumentKey() != kKeyHeld)
            return false;
    }
    return !isUnlocked() || decryptAllCategories();
}

void CWalletDoc::exportWallet()
{
    if (!decryptForExport())
        return;
    CString path;
    if (!ui.chooseSaveFile(DocumentTexts::kExportFilter, "txt", path))
        return;
    CFileOutputStream out;
    if (!out.open(path, true)) {
        showMessage(DocumentTexts::kCannotCreate);
        return;
    }
    const bool written = writeText(out, DocumentTexts::kExportHeader) && exportCategory(out, *root);
    const bool closed = out.close();
    showMessage(written && closed ? DocumentTexts::kExportDone : DocumentTexts::kCannotCreate);
}

bool CWalletDoc::decryptAllCategories()
{
    std::vector<CCategory*> pending{root.get()};
    while (!pending.empty()) {
        CCategory* category = pending.back();
        pending.pop_back();
        if (category->isEncrypted() && category->hasSealedCards()) {
            if (!sealer->openSealedCards(*category)) {
                showMessage(DocumentTexts::kUnableToDecrypt);
                return false;
            }
            notify({UpdateHint::CategoryOpened, category});
        }
        const auto& subcategories = category->getSubcategories();
        for (auto it = subcategories.rbegin(); it != subcategories.rend(); ++it)
            pending.push_back(it->get());
    }
    return true;
}

bool CWalletDoc::search(const CString& text, bool includeHidden, bool caseSensitive, bool decryptCategories)
{
    searchResult = std::make_unique<SearchResult>();
    if (decryptCategories && (obtainDocumentKey() != kKeyHeld || !decryptAllCategories()))
        return false;
    const CString searched = caseSensitive ? text : CString(ansiToLower(text.view()));
    root->searchCards(searched, *searchResult, includeHidden, caseSensitive);
    if (searchResult->getCount() == 0) {
        showMessage(DocumentTexts::kNoMatches);
        return false;
    }
    return true;
}

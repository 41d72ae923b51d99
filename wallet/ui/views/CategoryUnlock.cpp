#include "views/CategoryUnlock.h"

#include "frame/UiServices.h"
#include "model/WalletDoc.h"
#include "views/ViewTexts.h"
#include "zenthoLib/Base/UserInterface.h"

bool openSealedCategory(UiServices& services, CCategory& category)
{
    if (services.document.obtainDocumentKey() != CWalletDoc::kKeyHeld)
        return false;
    if (services.document.openEncryptedCategory(category))
        return true;
    services.ui.messageBox(ViewTexts::kDecryptError, MB_OK);
    return false;
}

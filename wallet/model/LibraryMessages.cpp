#include "LibraryMessages.h"

#include "zenthoLib/Base/LibMessage.h"

void routeLibraryMessages(IUserInterface* ui)
{
    if (!ui) {
        setLibMessageHandler({});
        return;
    }
    // The library's boxes are failures with an OK button; their caption says "Error".
    setLibMessageHandler([ui](const CString& text, const CString&) { ui->messageBox(text, MB_OK | MB_ICONERROR); });
}

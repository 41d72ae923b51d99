// Sends the support library's messages to the wallet's user interface.
#pragma once

#include "zenthoLib/Base/UserInterface.h"

// From now on the library's messages are OK boxes of `ui`; null sends them back to the trace log.
void routeLibraryMessages(IUserInterface* ui);

#include "UserInterface.h"

#include "platform/SecureWipe.h"

void PasswordEntry::wipe()
{
    secureWipe(first);
    secureWipe(second);
    secureWipe(third);
}

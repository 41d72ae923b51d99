// The registry file parser on any text: what it accepts it writes out in a
// form that reads back to the same text.
#include "platform/RegistryText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RegistryNode root("HKEY_LOCAL_MACHINE");
    if (!parseRegistryText(text, "HKEY_LOCAL_MACHINE", root))
        return 0;
    const std::string written = formatRegistryText(root, "HKEY_LOCAL_MACHINE");
    RegistryNode again("HKEY_LOCAL_MACHINE");
    if (!parseRegistryText(written, "HKEY_LOCAL_MACHINE", again))
        std::abort();
    if (formatRegistryText(again, "HKEY_LOCAL_MACHINE") != written)
        std::abort();
    return 0;
}

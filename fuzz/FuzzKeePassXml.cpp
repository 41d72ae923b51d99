// Reading a KeePass 2 XML export and mapping it to cards; the first byte
// says whether the cards go into an encrypted category.
#include "FuzzImportSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size == 0)
        return 0;
    fuzzImport(Interchange::Format::KeePassXml, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), data[0] & 1);
    return 0;
}

// Reading a password CSV (KeePassXC, Chromium or Firefox, picked by the
// first byte, which also says whether the cards go into an encrypted
// category) and mapping it to cards.
#include "FuzzImportSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    using Interchange::Format;
    if (size == 0)
        return 0;
    constexpr Format kFlavours[] = {Format::KeePassXcCsv, Format::ChromiumCsv, Format::FirefoxCsv};
    fuzzImport(kFlavours[(data[0] >> 1) % 3], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), data[0] & 1);
    return 0;
}

// The settings value as the registry hands it over: loading never reads past
// the value, and a value that loads whole saves and loads back the same.
#include "settings/KeldraOptions.h"
#include "zenthoLib/Base/ByteInputStream.h"
#include "zenthoLib/Base/ByteOutputStream.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size > 2048)
        return 0;
    CKeldraOptions options;
    ZenthoIO::CByteInputStream in(data, static_cast<std::uint32_t>(size));
    if (options.load(in) != 0)
        return 0;

    unsigned char first[2048], second[2048];
    CByteOutputStream out(first, sizeof first);
    if (options.save(out) != 0)
        std::abort();
    CKeldraOptions again;
    ZenthoIO::CByteInputStream back(first, out.getDataSize());
    if (again.load(back) != 0)
        std::abort();
    CByteOutputStream out2(second, sizeof second);
    again.save(out2);
    if (out2.getDataSize() != out.getDataSize() || std::memcmp(first, second, out.getDataSize()) != 0)
        std::abort();
    return 0;
}

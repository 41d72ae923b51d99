#include "platform/SecureWipe.h"

#include <cstring>

void secureWipe(void* data, std::size_t size)
{
    if (!data || size == 0)
        return;
    std::memset(data, 0, size);
    // The barrier tells the compiler the zeroed bytes are still read.
    asm volatile("" : : "r"(data) : "memory");
}

void secureWipe(CString& text)
{
    secureWipe(const_cast<char*>(text.GetString()), static_cast<std::size_t>(text.GetLength()));
    text.Empty();
}

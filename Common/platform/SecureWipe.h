// Overwrites memory that held a password or key, in a way the compiler keeps.
#pragma once

#include <cstddef>

#include "platform/CString.h"

void secureWipe(void* data, std::size_t size);
// Overwrites the string's bytes, then empties it.
void secureWipe(CString& text);

// Error codes held by the streams.
#pragma once

#include "platform/WinTypes.h"

// A read past the end of the data, or a write past the capacity of a memory stream.
constexpr HRESULT STREAM_E_END_OF_DATA = static_cast<HRESULT>(0x80045000u);

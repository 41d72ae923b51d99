// Sealed records: the record of one card of an encrypted category, written
// with the memory streams into a buffer of 4096 bytes and encrypted as a
// whole with the document key. The plain bytes are wiped once used.
#pragma once

#include "zenthoLib/Base/InputStream.h"
#include "zenthoLib/Base/OutputStream.h"

#include <cstdint>
#include <functional>

class CCryptUtil;
class CSizedArray;

// The largest plain record that can be sealed.
constexpr std::uint32_t kSealBufferSize = 4096;

// Seals what `writeRecord` writes; false when it fails, when the record does
// not fit the buffer, or when encrypting fails.
bool sealRecord(const CCryptUtil& key, const std::function<bool(COutputStream&)>& writeRecord, CSizedArray& sealed);

// Decrypts a sealed record and lets `readRecord` read it; false when either fails.
bool openSealedRecord(const CCryptUtil& key, const CSizedArray& sealed,
                      const std::function<bool(ZenthoIO::CInputStream&)>& readRecord);

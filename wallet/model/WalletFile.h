// The layout of a wallet file (version 3):
//   0   signed 32-bit 1
//   4   text "wallet document version 1"
//   60  file version, unsigned 32-bit
//   64  index pointer: the offset of the index block
//   68  index block: the root category's offset, then the check block as a
//       byte array (empty when the wallet has no password)
//   ... node records, children before parents, the root's record last.
// An edit appends records and overwrites one offset slot; a password change
// may append a new index block and move the index pointer to it.
#pragma once

#include "zenthoLib/Base/InputStream.h"
#include "zenthoLib/Base/OutputStream.h"

#include <cstdint>

class CCategory;
class CFileOutputStream;
class CSizedArray;

inline constexpr const char* kWalletSignature = "wallet document version 1";
inline constexpr unsigned int kWalletFileVersion = 3;
// The icon index a new wallet's root stores (the root shows the wallet icon).
inline constexpr int kNewWalletRootIcon = 17;

// Where the two slots of the file's frame lie.
struct WalletPointers {
    std::uint32_t rootPointerOffset = 0xFFFFFFFFu;
    std::uint32_t indexPointerOffset = 0;
};

// The header and an index block whose root offset is still 0.
bool writeWalletHeader(COutputStream& out, const CSizedArray& checkBlock, WalletPointers& pointers);

// The header, every record of the tree and the root's offset in its slot,
// into a new file, which nothing reads before it is whole: the caller syncs
// it before it takes the wallet's place.
bool writeWholeWallet(CFileOutputStream& out, CCategory& root, const CSizedArray& checkBlock, WalletPointers& pointers);

// Writes `value` at `slot` once everything appended before is durable, then
// flushes.
bool patchSlot(CFileOutputStream& out, std::uint32_t slot, std::uint32_t value);

// What reading the frame of a wallet file found.
enum class WalletHeaderResult {
    Read,
    ReadError,     // "Cannot open file!"
    InvalidFormat, // "Invalid file format!"
    NewerVersion,  // string 65024
    NoRoot,        // "Cannot open file!"
};

struct WalletHeader {
    unsigned int fileVersion = 0;
    WalletPointers pointers;
    std::uint32_t rootOffset = 0;
};

// Reads the header and the index block (the check block into `checkBlock`);
// the stream must stand at 0.
WalletHeaderResult readWalletHeader(ZenthoIO::CInputStream& in, WalletHeader& header, CSizedArray& checkBlock);

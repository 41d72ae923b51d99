// How much of another manager's export an import takes at most. Anything
// beyond is refused with a message, before the wallet is touched.
#pragma once

#include <cstddef>

namespace Interchange {

// The whole file.
inline constexpr std::size_t kMaxInputBytes = 256u * 1024 * 1024;
// Entries (logins, cards, notes, ...) in one file.
inline constexpr std::size_t kMaxEntries = 200000;
// Groups or folders in one file.
inline constexpr std::size_t kMaxGroups = 50000;
// One value (a password, a note, a custom field).
inline constexpr std::size_t kMaxValueBytes = 64 * 1024;
// Groups inside groups; also the nesting of elements and arrays.
inline constexpr std::size_t kMaxDepth = 64;
// Columns of one CSV record.
inline constexpr std::size_t kMaxColumns = 256;

} // namespace Interchange

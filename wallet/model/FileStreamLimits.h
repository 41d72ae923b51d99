// Sizes shared by the wallet file streams.
#pragma once

#include <cstddef>
#include <cstdint>

// Bytes gathered before one read or write call reaches the disk.
constexpr std::size_t kFileStreamBufferSize = 64 * 1024;
// Bytes handed to the writing thread at a time when a stream writes behind.
constexpr std::size_t kWriteBehindBlockSize = 1024 * 1024;
// Offsets in a wallet file are unsigned 32-bit numbers.
constexpr std::uint64_t kMaxFileOffset = 0xFFFFFFFFu;

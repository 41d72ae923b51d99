// Small text helpers the readers and writers of other managers' files share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Interchange {

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool isUtf8(std::string_view text);
// The offset of the first byte that breaks UTF-8, or npos.
std::size_t firstInvalidUtf8(std::string_view text);
// The line (from 1) on which the byte at `offset` stands.
std::size_t lineAt(std::string_view text, std::size_t offset);
// The text without a leading UTF-8 byte order mark.
std::string_view withoutBom(std::string_view text);

// "2024-03-02T11:30:00Z" (fractions of a second and a final Z allowed) as
// seconds since 1970, UTC.
std::optional<std::int64_t> parseIsoTime(std::string_view text);
// Seconds since 1970 as "2024-03-02T11:30:00Z".
std::string formatIsoTime(std::int64_t seconds);

// Line breaks as the wallet's editor keeps them: CR LF and a lone CR become LF.
std::string normalizeLines(std::string_view text);

} // namespace Interchange

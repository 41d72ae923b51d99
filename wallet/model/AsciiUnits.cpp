#include "model/AsciiUnits.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
// Eight units (sixteen bytes) at a time in the machine's 128-bit vectors.
constexpr std::size_t kUnitsPerBlock = 8;

// A block of units narrowed into bytes; false unless all are ASCII and not zero.
bool narrowBlock(const unsigned char* units, char* out)
{
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
    const __m128i zero = _mm_setzero_si128();
    const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(block, _mm_set1_epi16(static_cast<short>(0xFF80))), zero);
    const __m128i isZero = _mm_cmpeq_epi16(block, zero);
    if (_mm_movemask_epi8(_mm_andnot_si128(isZero, ascii)) != 0xFFFF)
        return false;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(block, block));
    return true;
}

// A block of bytes widened into units; false unless all are ASCII.
bool widenBlock(const char* text, unsigned char* units)
{
    const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(text));
    if (_mm_movemask_epi8(bytes) != 0)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(units), _mm_unpacklo_epi8(bytes, _mm_setzero_si128()));
    return true;
}
#else
// Four units in a 64-bit word, in the file's byte order.
constexpr std::size_t kUnitsPerBlock = 4;

// The file's byte order whatever the machine's; compilers make one load of it.
std::uint64_t littleEndianWord(const unsigned char* bytes)
{
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < sizeof word; ++i)
        word |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return word;
}

bool narrowBlock(const unsigned char* units, char* out)
{
    constexpr std::uint64_t kNotAscii = 0xFF80FF80FF80FF80u;
    // Added to units below 0x80, it sets their bit 7 exactly when they are not zero.
    constexpr std::uint64_t kZeroTest = 0x007F007F007F007Fu;
    constexpr std::uint64_t kBit7 = 0x0080008000800080u;
    const std::uint64_t word = littleEndianWord(units);
    if ((word & kNotAscii) != 0 || ((word + kZeroTest) & kBit7) != kBit7)
        return false;
    for (std::size_t i = 0; i < kUnitsPerBlock; ++i)
        out[i] = static_cast<char>(word >> (16 * i));
    return true;
}

bool widenBlock(const char* text, unsigned char* units)
{
    std::uint32_t bytes;
    std::memcpy(&bytes, text, sizeof bytes);
    if ((bytes & 0x80808080u) != 0)
        return false;
    for (std::size_t i = 0; i < kUnitsPerBlock; ++i) {
        units[2 * i] = static_cast<unsigned char>(text[i]);
        units[2 * i + 1] = 0;
    }
    return true;
}
#endif

} // namespace

bool narrowAsciiUnits(const unsigned char* units, std::size_t count, char* out)
{
    std::size_t i = 0;
    for (; i + kUnitsPerBlock <= count; i += kUnitsPerBlock) {
        if (!narrowBlock(units + 2 * i, out + i))
            return false;
    }
    // A text of a block or more ends with the block that ends with it.
    if (i < count && count >= kUnitsPerBlock)
        return narrowBlock(units + 2 * (count - kUnitsPerBlock), out + count - kUnitsPerBlock);
    for (; i < count; ++i) {
        const unsigned char low = units[2 * i];
        if (low == 0 || low >= 0x80 || units[2 * i + 1] != 0)
            return false;
        out[i] = static_cast<char>(low);
    }
    return true;
}

bool widenAsciiUnits(const char* text, std::size_t count, unsigned char* units)
{
    std::size_t i = 0;
    for (; i + kUnitsPerBlock <= count; i += kUnitsPerBlock) {
        if (!widenBlock(text + i, units + 2 * i))
            return false;
    }
    if (i < count && count >= kUnitsPerBlock)
        return widenBlock(text + count - kUnitsPerBlock, units + 2 * (count - kUnitsPerBlock));
    for (; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80)
            return false;
        units[2 * i] = byte;
        units[2 * i + 1] = 0;
    }
    return true;
}

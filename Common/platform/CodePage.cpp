#include "platform/CodePage.h"

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <locale.h>
#include <vector>
#include <wctype.h>

namespace {

std::atomic<UINT> g_codePage{0};

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1
// control of the same number, as the Windows conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t cp1252ToUnit(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) ? kCp1252High[b - 0x80] : static_cast<char16_t>(b);
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int codePointToCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == cp)
            return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when the bytes
// there are not a valid, shortest-form sequence.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& cp)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

void appendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

// Calls f(codePoint) for every character of UTF-16 text; a lone surrogate is U+FFFD.
template <typename F>
void forEachCodePoint(std::u16string_view w, F f)
{
    for (std::size_t i = 0; i < w.size(); ++i) {
        char32_t cp = w[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (w[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        f(cp);
    }
}

char* putUtf8(char* out, char32_t cp)
{
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp)
{
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(putUtf8(bytes, cp) - bytes));
}

unsigned char* putUnit(unsigned char* units, char32_t unit)
{
    units[0] = static_cast<unsigned char>(unit & 0xFF);
    units[1] = static_cast<unsigned char>(unit >> 8);
    return units + 2;
}

// Four units read as one little-endian word whatever the machine's order.
std::uint64_t fourUnits(const unsigned char* units)
{
    std::uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&word, units, sizeof word);
    } else {
        for (std::size_t i = 0; i < sizeof word; ++i)
            word |= static_cast<std::uint64_t>(units[i]) << (8 * i);
    }
    return word;
}

// Whether four units are all ASCII and none is zero.
bool asciiUnits(std::uint64_t word)
{
    constexpr std::uint64_t kNotAscii = 0xFF80FF80FF80FF80u;
    // Added to units below 0x80, it sets their bit 7 exactly when they are not zero.
    constexpr std::uint64_t kZeroTest = 0x007F007F007F007Fu;
    constexpr std::uint64_t kBit7 = 0x0080008000800080u;
    return (word & kNotAscii) == 0 && ((word + kZeroTest) & kBit7) == kBit7;
}

locale_t unicodeLocale()
{
    static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return loc;
}

char32_t foldCodePoint(char32_t cp, bool upper)
{
    if (cp < 0x80) {
        if (upper)
            return (cp >= 'a' && cp <= 'z') ? cp - 32 : cp;
        return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    }
    const locale_t loc = unicodeLocale();
    if (!loc)
        return cp;
    return static_cast<char32_t>(upper ? towupper_l(static_cast<wint_t>(cp), loc)
                                       : towlower_l(static_cast<wint_t>(cp), loc));
}

// ASCII is the same bytes in both code pages and folds byte by byte, which
// spares most texts the round trip through UTF-16.
bool isAscii(std::string_view text)
{
    unsigned char seen = 0;
    for (const char c : text)
        seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// The folded byte of every Windows-1252 byte ('?' where the folded character
// has no byte in the code page), for one direction.
struct Cp1252Folding {
    char bytes[256];
    explicit Cp1252Folding(bool upper)
    {
        for (int b = 0; b < 256; ++b) {
            const int folded = codePointToCp1252(foldCodePoint(cp1252ToUnit(static_cast<unsigned char>(b)), upper));
            bytes[b] = folded < 0 ? '?' : static_cast<char>(folded);
        }
    }
};

// The folded code point of every character below U+0800 (the two-byte
// sequences of UTF-8: the Latin, Greek and Cyrillic letters), for one direction.
struct TwoByteFolding {
    char32_t codePoints[0x800];
    explicit TwoByteFolding(bool upper)
    {
        for (char32_t cp = 0; cp < 0x800; ++cp)
            codePoints[cp] = foldCodePoint(cp, upper);
    }
};

const char* cp1252Folding(bool upper)
{
    static const Cp1252Folding lower(false);
    static const Cp1252Folding higher(true);
    return (upper ? higher : lower).bytes;
}

char foldCp1252Byte(char byte, bool upper) { return cp1252Folding(upper)[static_cast<unsigned char>(byte)]; }

void foldCp1252(std::string_view ansi, bool upper, std::string& folded)
{
    const char* const table = cp1252Folding(upper);
    folded.assign(ansi);
    for (char& c : folded)
        c = table[static_cast<unsigned char>(c)];
}

// Straight from UTF-8 to UTF-8, with what ansiToWide reads for bytes that are
// not UTF-8 (their Windows-1252 characters).
void foldUtf8(std::string_view ansi, bool upper, std::string& folded)
{
    static const TwoByteFolding lower(false);
    static const TwoByteFolding higher(true);
    const char32_t* const table = (upper ? higher : lower).codePoints;
    folded.resize(ansi.size() * 3);
    char* out = folded.data();
    for (std::size_t i = 0; i < ansi.size();) {
        char32_t cp;
        std::size_t len = decodeUtf8(ansi, i, cp);
        if (len == 0) {
            cp = cp1252ToUnit(static_cast<unsigned char>(ansi[i]));
            len = 1;
        }
        out = putUtf8(out, cp < 0x800 ? table[cp] : foldCodePoint(cp, upper));
        i += len;
    }
    folded.resize(static_cast<std::size_t>(out - folded.data()));
}

// The UTF-8 sequences of the characters beyond ASCII whose lower case is
// ASCII (the capital I with a dot, the kelvin sign). Windows-1252 has none.
const std::vector<std::string>& utf8LoweredToAscii()
{
    static const std::vector<std::string> sequences = [] {
        std::vector<std::string> found;
        for (char32_t cp = 0x80; cp <= 0x10FFFF; ++cp) {
            if ((cp < 0xD800 || cp > 0xDFFF) && foldCodePoint(cp, false) < 0x80) {
                found.emplace_back();
                appendUtf8(found.back(), cp);
            }
        }
        return found;
    }();
    return sequences;
}

// The Windows-1252 bytes beyond ASCII whose lower case is ASCII ('?' for a
// character the code page cannot hold counts as ASCII).
const std::string& cp1252LoweredToAscii()
{
    static const std::string bytes = [] {
        std::string found;
        for (int b = 0x80; b < 0x100; ++b) {
            const char byte = static_cast<char>(b);
            if (static_cast<unsigned char>(foldCp1252Byte(byte, false)) < 0x80)
                found += byte;
        }
        return found;
    }();
    return bytes;
}

bool holdsCharacterLoweredToAscii(std::string_view text)
{
    if (ansiCodePage() == CP_WINDOWS_1252)
        return text.find_first_of(cp1252LoweredToAscii()) != std::string_view::npos;
    for (const std::string& sequence : utf8LoweredToAscii())
        if (text.find(sequence) != std::string_view::npos)
            return true;
    return false;
}

// Folds into `folded`, whose room is kept for the next text.
void foldCaseInto(std::string_view ansi, bool upper, std::string& folded)
{
    if (isAscii(ansi)) {
        folded.assign(ansi);
        for (char& c : folded)
            c = static_cast<char>(foldCodePoint(static_cast<unsigned char>(c), upper));
    } else if (ansiCodePage() == CP_WINDOWS_1252) {
        foldCp1252(ansi, upper, folded);
    } else {
        foldUtf8(ansi, upper, folded);
    }
}

std::string foldCase(std::string_view ansi, bool upper)
{
    std::string folded;
    foldCaseInto(ansi, upper, folded);
    return folded;
}

} // namespace

UINT ansiCodePage()
{
    UINT cp = g_codePage.load(std::memory_order_relaxed);
    if (cp == 0) {
        const char* env = std::getenv("KELDRA_CODEPAGE");
        cp = env ? parseCodePageName(env) : 0;
        if (cp == 0)
            cp = CP_UTF8;
        g_codePage.store(cp, std::memory_order_relaxed);
    }
    return cp;
}

bool setAnsiCodePage(UINT codePage)
{
    if (codePage != CP_UTF8 && codePage != CP_WINDOWS_1252)
        return false;
    g_codePage.store(codePage, std::memory_order_relaxed);
    return true;
}

UINT parseCodePageName(std::string_view name)
{
    std::string lower;
    for (char c : name)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    if (lower == "1252" || lower == "cp1252" || lower == "windows-1252")
        return CP_WINDOWS_1252;
    if (lower == "65001" || lower == "utf-8" || lower == "utf8")
        return CP_UTF8;
    return 0;
}

std::u16string ansiToWide(std::string_view ansi)
{
    std::u16string out;
    out.reserve(ansi.size());
    if (ansiCodePage() == CP_WINDOWS_1252) {
        for (char c : ansi)
            out += cp1252ToUnit(static_cast<unsigned char>(c));
        return out;
    }
    for (std::size_t i = 0; i < ansi.size();) {
        char32_t cp;
        const std::size_t len = decodeUtf8(ansi, i, cp);
        if (len == 0) {
            out += cp1252ToUnit(static_cast<unsigned char>(ansi[i]));
            ++i;
        } else {
            appendUtf16(out, cp);
            i += len;
        }
    }
    return out;
}

std::string wideToAnsi(std::u16string_view wide)
{
    std::string out;
    out.reserve(wide.size());
    const bool utf8 = ansiCodePage() == CP_UTF8;
    forEachCodePoint(wide, [&](char32_t cp) {
        if (utf8) {
            appendUtf8(out, cp);
        } else {
            const int b = codePointToCp1252(cp);
            out += b < 0 ? '?' : static_cast<char>(b);
        }
    });
    return out;
}

std::size_t unitsToAnsi(const unsigned char* units, std::size_t count, char* out)
{
    const bool utf8 = ansiCodePage() == CP_UTF8;
    char* const start = out;
    std::size_t i = 0;
    while (i < count) {
        if (i + 4 <= count) {
            const std::uint64_t word = fourUnits(units + 2 * i);
            if (asciiUnits(word)) {
                for (int k = 0; k < 4; ++k)
                    *out++ = static_cast<char>(word >> (16 * k));
                i += 4;
                continue;
            }
        }
        char32_t cp = static_cast<char32_t>(units[2 * i] | units[2 * i + 1] << 8);
        if (cp == 0)
            break;
        ++i;
        if (cp >= 0xD800 && cp <= 0xDBFF && i < count) {
            const char32_t low = static_cast<char32_t>(units[2 * i] | units[2 * i + 1] << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = 0xFFFD;
        if (utf8) {
            out = putUtf8(out, cp);
        } else {
            const int b = codePointToCp1252(cp);
            *out++ = b < 0 ? '?' : static_cast<char>(b);
        }
    }
    return static_cast<std::size_t>(out - start);
}

std::size_t ansiToUnits(std::string_view ansi, unsigned char* units)
{
    unsigned char* const start = units;
    if (ansiCodePage() == CP_WINDOWS_1252) {
        for (const char c : ansi)
            units = putUnit(units, cp1252ToUnit(static_cast<unsigned char>(c)));
        return static_cast<std::size_t>(units - start) / 2;
    }
    for (std::size_t i = 0; i < ansi.size();) {
        std::uint64_t eight;
        if (i + sizeof eight <= ansi.size()) {
            std::memcpy(&eight, ansi.data() + i, sizeof eight);
            if ((eight & 0x8080808080808080u) == 0) {
                for (std::size_t k = 0; k < sizeof eight; ++k)
                    units = putUnit(units, static_cast<unsigned char>(ansi[i + k]));
                i += sizeof eight;
                continue;
            }
        }
        const auto b = static_cast<unsigned char>(ansi[i]);
        if (b < 0x80) {
            units = putUnit(units, b);
            ++i;
            continue;
        }
        char32_t cp;
        const std::size_t len = decodeUtf8(ansi, i, cp);
        if (len == 0) {
            units = putUnit(units, cp1252ToUnit(b));
            ++i;
        } else if (cp < 0x10000) {
            units = putUnit(units, cp);
            i += len;
        } else {
            units = putUnit(units, 0xD800 + ((cp - 0x10000) >> 10));
            units = putUnit(units, 0xDC00 + ((cp - 0x10000) & 0x3FF));
            i += len;
        }
    }
    return static_cast<std::size_t>(units - start) / 2;
}

std::u16string utf8ToWide(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        const std::size_t len = decodeUtf8(utf8, i, cp);
        appendUtf16(out, len == 0 ? U'\xFFFD' : cp);
        i += len == 0 ? 1 : len;
    }
    return out;
}

std::string wideToUtf8(std::u16string_view wide)
{
    std::string out;
    out.reserve(wide.size());
    forEachCodePoint(wide, [&](char32_t cp) { appendUtf8(out, cp); });
    return out;
}

std::string ansiFromLegacyBytes(std::string_view bytes)
{
    if (ansiCodePage() == CP_WINDOWS_1252)
        return std::string(bytes);
    return wideToAnsi(ansiToWide(bytes));
}

std::string ansiToLower(std::string_view ansi) { return foldCase(ansi, false); }
std::string ansiToUpper(std::string_view ansi) { return foldCase(ansi, true); }

bool ansiLowerContains(std::string_view text, std::string_view lowered)
{
    // Folded, a character beyond ASCII stays beyond it, except the few whose
    // lower case is ASCII: without those, an ASCII text is found where the
    // ASCII bytes hold it, and the rest need not be folded.
    if (!isAscii(text) && !(isAscii(lowered) && !holdsCharacterLoweredToAscii(text))) {
        thread_local std::string folded;
        foldCaseInto(text, false, folded);
        return folded.find(lowered) != std::string::npos;
    }
    if (lowered.empty())
        return true;
    for (std::size_t start = 0; start + lowered.size() <= text.size(); ++start) {
        if (asciiLower(text[start]) != lowered[0])
            continue;
        std::size_t k = 1;
        while (k < lowered.size() && asciiLower(text[start + k]) == lowered[k])
            ++k;
        if (k == lowered.size())
            return true;
    }
    return false;
}

int ansiCompareNoCase(std::string_view a, std::string_view b)
{
    // The order is that of the folded bytes, compared unsigned, as Windows
    // orders names in its code page; in UTF-8 that is code-point order.
    // While both are ASCII the first difference decides; the rest of the
    // longer text cannot make it shorter. A character outside ASCII may fold
    // into ASCII, so from the first one on the rest is folded as a whole.
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    std::size_t i = 0;
    for (; i < common; ++i) {
        if (((static_cast<unsigned char>(a[i]) | static_cast<unsigned char>(b[i])) & 0x80) != 0)
            break;
        const unsigned char ca = static_cast<unsigned char>(asciiLower(a[i]));
        const unsigned char cb = static_cast<unsigned char>(asciiLower(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i == common)
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    // std::string compares its bytes as unsigned char.
    const int r = ansiToLower(a.substr(i)).compare(ansiToLower(b.substr(i)));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::size_t ansiPrefixLength(std::string_view ansi, std::size_t maxBytes)
{
    if (ansi.size() <= maxBytes)
        return ansi.size();
    if (ansiCodePage() == CP_WINDOWS_1252)
        return maxBytes;
    std::size_t i = 0;
    while (i < ansi.size()) {
        char32_t cp;
        std::size_t len = decodeUtf8(ansi, i, cp);
        if (len == 0)
            len = 1;
        if (i + len > maxBytes)
            break;
        i += len;
    }
    return i;
}

std::size_t ansiCharsToBytes(std::string_view ansi, std::size_t chars)
{
    if (ansiCodePage() == CP_WINDOWS_1252)
        return chars < ansi.size() ? chars : ansi.size();
    std::size_t i = 0;
    for (std::size_t n = 0; n < chars && i < ansi.size(); ++n) {
        char32_t cp;
        const std::size_t len = decodeUtf8(ansi, i, cp);
        i += len == 0 ? 1 : len;
    }
    return i;
}

std::size_t ansiCharCount(std::string_view ansi)
{
    if (ansiCodePage() == CP_WINDOWS_1252)
        return ansi.size();
    std::size_t n = 0;
    for (std::size_t i = 0; i < ansi.size(); ++n) {
        char32_t cp;
        const std::size_t len = decodeUtf8(ansi, i, cp);
        i += len == 0 ? 1 : len;
    }
    return n;
}

#include "TerminalText.h"

#include "platform/CodePage.h"

namespace {

// Appends one code point as UTF-16.
void appendUnit(std::u16string& out, char32_t point)
{
    if (point >= 0x10000) {
        point -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (point >> 10));
        out += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
    } else {
        out += static_cast<char16_t>(point);
    }
}

// UTF-8 to UTF-16; a malformed sequence gives U+FFFD for its first byte.
std::u16string utf8ToWide(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length != 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && point >= smallest[length] && point <= 0x10FFFF && (point < 0xD800 || point > 0xDFFF);
        appendUnit(out, valid ? point : U'\xFFFD');
        i += valid ? length : 1;
    }
    return out;
}

std::string wideToUtf8(std::u16string_view wide)
{
    std::string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t point = wide[i];
        if (point >= 0xD800 && point <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF)
            point = 0x10000 + ((point - 0xD800) << 10) + (wide[++i] - 0xDC00);
        else if (point >= 0xD800 && point <= 0xDFFF)
            point = 0xFFFD;
        if (point < 0x80) {
            out += static_cast<char>(point);
        } else if (point < 0x800) {
            out += static_cast<char>(0xC0 | (point >> 6));
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            out += static_cast<char>(0xE0 | (point >> 12));
            out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (point >> 18));
            out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        }
    }
    return out;
}

} // namespace

CString fromTerminal(std::string_view utf8) { return CString(wideToAnsi(utf8ToWide(utf8))); }

std::string toTerminal(const CString& text) { return wideToUtf8(ansiToWide(text.view())); }

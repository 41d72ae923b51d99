#include "platform/RegistryText.h"

#include "platform/Registry.h"

#include <cstdio>

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::size_t kHexLineWidth = 77;

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

bool isPlainString(const RegistryValue& value)
{
    const auto& d = value.data;
    if (d.empty() || d.back() != 0)
        return false;
    for (std::size_t i = 0; i + 1 < d.size(); ++i)
        if (d[i] == 0 || d[i] == '\n' || d[i] == '\r')
            return false;
    return true;
}

void appendHex(std::string& out, std::string line, const std::vector<BYTE>& data)
{
    char piece[4];
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::snprintf(piece, sizeof piece, i + 1 < data.size() ? "%02x," : "%02x", data[i]);
        if (i > 0 && line.size() + std::string_view(piece).size() > kHexLineWidth) {
            out += line + "\\\n";
            line = "  ";
        }
        line += piece;
    }
    out += line + '\n';
}

void appendValue(std::string& out, const RegistryValue& value)
{
    const std::string name = value.name.empty() ? "@" : quoted(value.name);
    const auto& d = value.data;
    if (value.type == REG_SZ && isPlainString(value)) {
        out += name + '=' + quoted(std::string_view(reinterpret_cast<const char*>(d.data()), d.size() - 1)) + '\n';
    } else if (value.type == REG_DWORD && d.size() == 4) {
        char text[16];
        std::snprintf(text, sizeof text, "%08x", d[0] | d[1] << 8 | d[2] << 16 | static_cast<unsigned>(d[3]) << 24);
        out += name + "=dword:" + text + '\n';
    } else if (value.type == REG_BINARY) {
        appendHex(out, name + "=hex:", d);
    } else {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "=hex(%x):", static_cast<unsigned>(value.type));
        appendHex(out, name + prefix, d);
    }
}

void appendKey(std::string& out, const RegistryNode& key, const std::string& path, bool always)
{
    if (always || !key.values().empty()) {
        out += '[' + path + "]\n";
        for (const RegistryValue& value : key.values())
            appendValue(out, value);
        out += '\n';
    }
    for (const RegistryNode& sub : key.subkeys())
        appendKey(out, sub, path + '\\' + sub.name(), true);
}

// Reads the text's lines, joining a line that ends with a backslash to the next one.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(text) {}

    bool next(std::string& line)
    {
        if (m_rest.empty())
            return false;
        line.clear();
        while (!m_rest.empty()) {
            std::string_view piece = take();
            if (!line.empty())
                piece.remove_prefix(std::min(piece.find_first_not_of(" \t"), piece.size()));
            if (piece.empty() || piece.back() != '\\') {
                line += piece;
                break;
            }
            piece.remove_suffix(1);
            line += piece;
        }
        return true;
    }

private:
    std::string_view take()
    {
        const std::size_t end = m_rest.find('\n');
        std::string_view piece = m_rest.substr(0, end);
        m_rest.remove_prefix(end == m_rest.npos ? m_rest.size() : end + 1);
        if (!piece.empty() && piece.back() == '\r')
            piece.remove_suffix(1);
        return piece;
    }

    std::string_view m_rest;
};

std::string_view trimmed(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == s.npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Reads a quoted string at the start of `s`, moving `s` past it.
bool readQuoted(std::string_view& s, std::string& out)
{
    if (s.empty() || s[0] != '"')
        return false;
    out.clear();
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '"') {
            s.remove_prefix(i + 1);
            return true;
        }
        if (s[i] == '\\') {
            if (++i == s.size() || (s[i] != '\\' && s[i] != '"'))
                return false;
        }
        out += s[i];
    }
    return false;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads 1 to `maxDigits` hex digits making up the whole of `s`.
bool readHexNumber(std::string_view s, std::size_t maxDigits, DWORD& out)
{
    s = trimmed(s);
    if (s.empty() || s.size() > maxDigits)
        return false;
    out = 0;
    for (char c : s) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return false;
        out = out << 4 | static_cast<DWORD>(digit);
    }
    return true;
}

bool readHexBytes(std::string_view s, std::vector<BYTE>& out)
{
    out.clear();
    if (trimmed(s).empty())
        return true;
    while (true) {
        const std::size_t comma = s.find(',');
        DWORD byte = 0;
        if (!readHexNumber(s.substr(0, comma), 2, byte))
            return false;
        out.push_back(static_cast<BYTE>(byte));
        if (comma == s.npos)
            return true;
        s.remove_prefix(comma + 1);
    }
}

bool readData(std::string_view s, RegistryValue& value)
{
    if (!s.empty() && s[0] == '"') {
        std::string text;
        if (!readQuoted(s, text) || !trimmed(s).empty())
            return false;
        value.type = REG_SZ;
        value.data.assign(text.begin(), text.end());
        value.data.push_back(0);
        return true;
    }
    if (s.starts_with("dword:")) {
        DWORD number = 0;
        if (!readHexNumber(s.substr(6), 8, number))
            return false;
        value.type = REG_DWORD;
        value.data = {static_cast<BYTE>(number), static_cast<BYTE>(number >> 8), static_cast<BYTE>(number >> 16),
                      static_cast<BYTE>(number >> 24)};
        return true;
    }
    if (s.starts_with("hex:")) {
        value.type = REG_BINARY;
        return readHexBytes(s.substr(4), value.data);
    }
    if (s.starts_with("hex(")) {
        const std::size_t close = s.find("):");
        return close != s.npos && readHexNumber(s.substr(4, close - 4), 8, value.type) &&
               readHexBytes(s.substr(close + 2), value.data);
    }
    return false;
}

bool readValueLine(std::string_view line, RegistryValue& value)
{
    if (line.starts_with('@')) {
        line.remove_prefix(1);
        value.name.clear();
    } else if (!readQuoted(line, value.name) || value.name.empty())
        return false;
    line = trimmed(line);
    if (line.empty() || line[0] != '=')
        return false;
    return readData(trimmed(line.substr(1)), value);
}

// The key named by a "[ROOT\a\b]" line, made with its parents when missing.
RegistryNode* readKeyLine(std::string_view line, std::string_view rootName, RegistryNode& root)
{
    const std::size_t close = line.rfind(']');
    if (close == line.npos || !trimmed(line.substr(close + 1)).empty())
        return nullptr;
    const std::string_view path = line.substr(1, close - 1);
    const std::size_t slash = std::min(path.find('\\'), path.size());
    if (foldRegistryName(path.substr(0, slash)) != foldRegistryName(rootName))
        return nullptr;
    if (slash == path.size())
        return &root;
    std::vector<std::string> components;
    if (slash + 1 == path.size() || !splitRegistryPath(path.substr(slash + 1), components) ||
        path.back() == '\\')
        return nullptr;
    RegistryNode* node = &root;
    bool created = false;
    for (const std::string& component : components)
        node = &node->ensureSubkey(component, created);
    return node;
}

} // namespace

std::string formatRegistryText(const RegistryNode& root, std::string_view rootName)
{
    std::string out = std::string(kHeader) + "\n\n";
    appendKey(out, root, std::string(rootName), false);
    return out;
}

bool parseRegistryText(std::string_view text, std::string_view rootName, RegistryNode& root)
{
    root = RegistryNode(std::string(rootName));
    LineReader lines(text);
    std::string line;
    if (!lines.next(line) || trimmed(line) != kHeader)
        return false;
    RegistryNode* current = nullptr;
    while (lines.next(line)) {
        const std::string_view content = trimmed(line);
        if (content.empty() || content[0] == ';')
            continue;
        if (content[0] == '[') {
            current = readKeyLine(content, rootName, root);
            if (!current)
                return false;
            continue;
        }
        RegistryValue value;
        if (!current || !readValueLine(content, value))
            return false;
        current->setValue(value.name, value.type, std::move(value.data));
    }
    return true;
}

#include "ImportFormats.h"

#include "BitwardenJson.h"
#include "CsvFormats.h"
#include "CsvReader.h"
#include "InterchangeLimits.h"
#include "KeePassXml.h"

namespace Interchange {

namespace {

constexpr FormatInfo kFormats[] = {
    {Format::KeePassXml, "keepass-xml", "KeePass 2 XML", false},
    {Format::KeePassXcCsv, "keepassxc-csv", "KeePassXC CSV", true},
    {Format::BitwardenJson, "bitwarden-json", "Bitwarden JSON", true},
    {Format::ChromiumCsv, "chromium-csv", "Chromium CSV", false},
    {Format::FirefoxCsv, "firefox-csv", "Firefox CSV", false},
};

struct CsvFormat {
    Format format;
    CsvFlavour flavour;
};
constexpr CsvFormat kCsvFormats[] = {
    {Format::KeePassXcCsv, CsvFlavour::KeePassXc},
    {Format::ChromiumCsv, CsvFlavour::Chromium},
    {Format::FirefoxCsv, CsvFlavour::Firefox},
};

// The first record of a CSV text (at most its first 64 KiB), or nothing.
std::vector<std::string> csvHeader(std::string_view text)
{
    const std::size_t end = text.find('\n');
    const std::string_view head = text.substr(0, end == std::string_view::npos ? end : end + 1);
    std::vector<CsvRecord> records;
    std::string ignored;
    if (head.size() > 65536 || !readCsv(head, records, ignored) || records.empty())
        return {};
    return records[0].fields;
}

} // namespace

std::span<const FormatInfo> formats() { return kFormats; }

const FormatInfo& formatInfo(Format format)
{
    for (const FormatInfo& info : kFormats) {
        if (info.format == format)
            return info;
    }
    return kFormats[0];
}

std::optional<Format> formatByName(std::string_view name)
{
    for (const FormatInfo& info : kFormats) {
        if (name == info.name)
            return info.format;
    }
    return std::nullopt;
}

std::string formatNames(bool exportedOnly)
{
    std::string names;
    for (const FormatInfo& info : kFormats) {
        if (!exportedOnly || info.exported)
            names += (names.empty() ? "" : ", ") + std::string(info.name);
    }
    return names;
}

std::vector<Format> detectFormats(std::string_view text)
{
    if (looksLikeKeePassXml(text))
        return {Format::KeePassXml};
    if (looksLikeBitwardenJson(text))
        return {Format::BitwardenJson};
    const std::vector<std::string> header = csvHeader(text);
    std::vector<Format> matching;
    for (const CsvFormat& csv : kCsvFormats) {
        if (!header.empty() && csvHeaderMatches(csv.flavour, header))
            matching.push_back(csv.format);
    }
    return matching;
}

bool readImport(Format format, std::string_view text, ImportSource& source, std::string& error)
{
    if (text.size() > kMaxInputBytes) {
        error = "The file is larger than " + std::to_string(kMaxInputBytes / (1024 * 1024)) + " MiB.";
        return false;
    }
    switch (format) {
    case Format::KeePassXml:
        return readKeePassXml(text, source, error);
    case Format::BitwardenJson:
        return readBitwardenJson(text, source, error);
    default:
        break;
    }
    for (const CsvFormat& csv : kCsvFormats) {
        if (csv.format == format)
            return readCsvExport(csv.flavour, text, source, error);
    }
    return false;
}

} // namespace Interchange

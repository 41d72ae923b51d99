#include "CsvFormats.h"

#include "CsvReader.h"
#include "InterchangeLimits.h"
#include "InterchangeText.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <span>

namespace Interchange {

namespace {

enum class Use {
    Value,      // a value under `key` (none: into the notes)
    Title,      // the entry's name
    Group,      // the group path, "/" between names
    Modified,   // the last change, as ISO 8601
    MillisDate, // milliseconds since 1970, into the notes as a date
    MillisModified,
    Ignored, // presentation or bookkeeping of the source only (icon number, record id)
};

struct Column {
    const char* header;
    Use use;
    const char* key = "";
    const char* label = "";
    bool required = true;
};

constexpr Column kKeePassXc[] = {
    {"Group", Use::Group},
    {"Title", Use::Title},
    {"Username", Use::Value, "username", "Username"},
    {"Password", Use::Value, "password", "Password"},
    {"URL", Use::Value, "url", "URL"},
    {"Notes", Use::Value, "notes", "Notes"},
    {"TOTP", Use::Value, "", "TOTP", false},
    {"Icon", Use::Ignored, "", "", false},
    {"Last Modified", Use::Modified, "", "", false},
    {"Created", Use::Value, "", "Created", false},
};

constexpr Column kChromium[] = {
    {"name", Use::Title},
    {"url", Use::Value, "url", "URL"},
    {"username", Use::Value, "username", "Username"},
    {"password", Use::Value, "password", "Password"},
    {"note", Use::Value, "notes", "Note", false},
};

constexpr Column kFirefox[] = {
    {"url", Use::Value, "url", "URL"},
    {"username", Use::Value, "username", "Username"},
    {"password", Use::Value, "password", "Password"},
    {"httpRealm", Use::Value, "", "HTTP Realm"},
    {"formActionOrigin", Use::Value, "", "Form Action Origin", false},
    {"guid", Use::Ignored, "", "", false},
    {"timeCreated", Use::MillisDate, "", "Created", false},
    {"timeLastUsed", Use::MillisDate, "", "Last Used", false},
    {"timePasswordChanged", Use::MillisModified, "", "", false},
};

std::span<const Column> columnsOf(CsvFlavour flavour)
{
    switch (flavour) {
    case CsvFlavour::KeePassXc:
        return kKeePassXc;
    case CsvFlavour::Chromium:
        return kChromium;
    case CsvFlavour::Firefox:
        break;
    }
    return kFirefox;
}

bool sameHeader(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The column of the table that each column of the file is; null for one the table does not know.
std::vector<const Column*> columnsOfHeader(std::span<const Column> table, const std::vector<std::string>& header)
{
    std::vector<const Column*> columns;
    for (const std::string& name : header) {
        const auto known = std::find_if(table.begin(), table.end(), [&](const Column& c) { return sameHeader(c.header, name); });
        columns.push_back(known != table.end() ? &*known : nullptr);
    }
    return columns;
}

std::optional<std::int64_t> millis(std::string_view text)
{
    if (text.empty() || text.size() > 18 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoll(std::string(text)) / 1000;
}

// The host of a URL, for an entry that has no name of its own.
std::string hostOf(std::string_view url)
{
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos)
        url.remove_prefix(scheme + 3);
    return std::string(url.substr(0, url.find_first_of("/?#")));
}

bool takeValue(const Column& column, const std::string& header, const std::string& value, ImportedEntry& entry,
               std::vector<std::string>& groupPath, std::string& error)
{
    switch (column.use) {
    case Use::Title:
        entry.title = value;
        break;
    case Use::Group:
        groupPath = splitGroupPath(value);
        break;
    case Use::Value:
        entry.add(column.key, column.label, normalizeLines(value));
        break;
    case Use::Modified:
        if (value.empty())
            break;
        if (const auto time = parseIsoTime(value)) {
            entry.modified = *time;
            break;
        }
        error = entry.where + ": \"" + header + "\" is not a date and time (" + value + ").";
        return false;
    case Use::MillisDate:
    case Use::MillisModified:
        if (value.empty())
            break;
        if (const auto time = millis(value)) {
            if (column.use == Use::MillisModified)
                entry.modified = *time;
            else
                entry.add("", column.label, formatIsoTime(*time));
            break;
        }
        error = entry.where + ": \"" + header + "\" is not a time in milliseconds (" + value + ").";
        return false;
    case Use::Ignored:
        break;
    }
    return true;
}

} // namespace

bool csvHeaderMatches(CsvFlavour flavour, const std::vector<std::string>& header)
{
    const std::span<const Column> table = columnsOf(flavour);
    const std::vector<const Column*> columns = columnsOfHeader(table, header);
    return std::all_of(table.begin(), table.end(), [&](const Column& c) {
        return !c.required || std::find(columns.begin(), columns.end(), &c) != columns.end();
    });
}

bool readCsvExport(CsvFlavour flavour, std::string_view text, ImportSource& source, std::string& error)
{
    std::vector<CsvRecord> records;
    if (!readCsv(text, records, error))
        return false;
    if (records.empty() || !csvHeaderMatches(flavour, records[0].fields)) {
        error = "line 1: the header does not name the columns of this format.";
        return false;
    }
    const std::vector<std::string>& header = records[0].fields;
    const std::vector<const Column*> columns = columnsOfHeader(columnsOf(flavour), header);
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        if (record.fields.size() != header.size()) {
            error = "line " + std::to_string(record.line) + ": " + std::to_string(record.fields.size()) + " fields where the header has " +
                std::to_string(header.size()) + ".";
            return false;
        }
        ImportedEntry entry;
        entry.where = "line " + std::to_string(record.line);
        std::vector<std::string> groupPath;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            // A column the format does not list still goes into the notes.
            if (!columns[c])
                entry.add("", header[c], normalizeLines(record.fields[c]));
            else if (!takeValue(*columns[c], header[c], record.fields[c], entry, groupPath, error))
                return false;
        }
        if (!entry.find("username") && !entry.find("password") && !entry.find("url"))
            entry.kind = EntryKind::Note;
        if (entry.title.empty() && entry.find("url"))
            entry.title = hostOf(entry.find("url")->value);
        if (groupPath.size() > kMaxDepth) {
            error = entry.where + ": the group path is deeper than " + std::to_string(kMaxDepth) + " levels.";
            return false;
        }
        groupAtPath(source, groupPath).entries.push_back(std::move(entry));
        ++source.entryCount;
        if (source.groupCount > kMaxGroups) {
            error = "line " + std::to_string(record.line) + ": more than " + std::to_string(kMaxGroups) + " groups.";
            return false;
        }
    }
    return true;
}

} // namespace Interchange

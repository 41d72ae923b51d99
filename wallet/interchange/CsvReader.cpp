#include "CsvReader.h"

#include "InterchangeLimits.h"
#include "InterchangeText.h"

namespace Interchange {

namespace {

std::string atLine(std::size_t line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

} // namespace

bool readCsv(std::string_view text, std::vector<CsvRecord>& records, std::string& error)
{
    text = withoutBom(text);
    if (const std::size_t bad = firstInvalidUtf8(text); bad != std::string_view::npos) {
        error = atLine(lineAt(text, bad), "the text is not UTF-8.");
        return false;
    }
    std::size_t line = 1;
    std::size_t pos = 0;
    const std::size_t size = text.size();
    while (pos < size) {
        CsvRecord record;
        record.line = line;
        bool endOfRecord = false;
        while (!endOfRecord) {
            std::string field;
            if (pos < size && text[pos] == '"') {
                const std::size_t openedOn = line;
                ++pos;
                for (;;) {
                    if (pos >= size) {
                        error = atLine(openedOn, "a quoted field is not closed.");
                        return false;
                    }
                    const char c = text[pos++];
                    if (c == '"') {
                        if (pos < size && text[pos] == '"') {
                            field += '"';
                            ++pos;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n')
                        ++line;
                    field += c;
                    if (field.size() > kMaxValueBytes) {
                        error = atLine(openedOn, "a field is longer than " + std::to_string(kMaxValueBytes) + " bytes.");
                        return false;
                    }
                }
                if (pos < size && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r') {
                    error = atLine(line, "text follows a closing quote.");
                    return false;
                }
            } else {
                while (pos < size && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r')
                    field += text[pos++];
                if (field.size() > kMaxValueBytes) {
                    error = atLine(line, "a field is longer than " + std::to_string(kMaxValueBytes) + " bytes.");
                    return false;
                }
            }
            record.fields.push_back(std::move(field));
            if (record.fields.size() > kMaxColumns) {
                error = atLine(record.line, "more than " + std::to_string(kMaxColumns) + " columns.");
                return false;
            }
            if (pos < size && text[pos] == ',') {
                ++pos;
                continue;
            }
            if (pos < size && text[pos] == '\r')
                ++pos;
            if (pos < size && text[pos] == '\n')
                ++pos;
            ++line;
            endOfRecord = true;
        }
        if (record.fields.size() == 1 && record.fields[0].empty())
            continue;
        if (records.size() == kMaxEntries + 1) {
            error = atLine(record.line, "more than " + std::to_string(kMaxEntries) + " entries.");
            return false;
        }
        records.push_back(std::move(record));
    }
    return true;
}

std::string csvField(std::string_view value)
{
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace Interchange

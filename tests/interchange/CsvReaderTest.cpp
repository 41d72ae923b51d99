// The CSV reader on the quirks real exports have and on broken files.
#include "interchange/CsvReader.h"

#include <gtest/gtest.h>

using namespace Interchange;

TEST(CsvReader, QuotesLineBreaksBomAndLineEnds)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::vector<std::string>> records;
        std::vector<std::size_t> lines;
    };
    const Case cases[] = {
        {"plain LF", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"CR LF, no final line end", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"byte order mark", "\xEF\xBB\xBFx,y\n", {{"x", "y"}}, {1}},
        {"quoted comma, quote and line break", "\"a,1\",\"say \"\"hi\"\"\",\"two\nlines\"\nnext,row\n",
         {{"a,1", "say \"hi\"", "two\nlines"}, {"next", "row"}}, {1, 3}},
        {"empty fields and blank lines", ",,\n\n\"\",x\n", {{"", "", ""}, {"", "x"}}, {1, 3}},
        {"quote inside an unquoted field", "ab\"c,d\n", {{"ab\"c", "d"}}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CsvRecord> records;
        std::string error;
        ASSERT_TRUE(readCsv(c.text, records, error)) << error;
        std::vector<std::vector<std::string>> fields;
        std::vector<std::size_t> lines;
        for (const CsvRecord& record : records) {
            fields.push_back(record.fields);
            lines.push_back(record.line);
        }
        EXPECT_EQ(fields, c.records);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(CsvReader, BrokenFilesNameTheLine)
{
    struct Case {
        const char* name;
        std::string text;
        const char* error;
    };
    const Case cases[] = {
        {"quote never closed", "a,b\nc,\"open\nmore\n", "line 2: a quoted field is not closed."},
        {"text after closing quote", "a\n\"x\"y,z\n", "line 2: text follows a closing quote."},
        {"Latin-1 bytes", "name\nok\nGr\xFC\xDF" "e\n", "line 3: the text is not UTF-8."},
        {"overlong UTF-8", "\xC0\xAF\n", "line 1: the text is not UTF-8."},
        {"too many columns", std::string(300, ','), "line 1: more than 256 columns."},
        {"huge field", "a\n" + std::string(70000, 'x') + "\n", "line 2: a field is longer than 65536 bytes."},
        {"huge quoted field", "a\n\"" + std::string(70000, 'x') + "\"\n", "line 2: a field is longer than 65536 bytes."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CsvRecord> records;
        std::string error;
        EXPECT_FALSE(readCsv(c.text, records, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(CsvReader, WrittenFieldsReadBack)
{
    const std::vector<std::string> values = {"", "plain", "com,ma", "qu\"ote", "line\nbreak", "Grüße"};
    std::string line;
    for (const std::string& value : values)
        line += (line.empty() ? "" : ",") + csvField(value);
    std::vector<CsvRecord> records;
    std::string error;
    ASSERT_TRUE(readCsv(line + "\n", records, error)) << error;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, values);
}

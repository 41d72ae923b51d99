// Broken and hostile files: one clear message naming the line or the
// entry, never a crash; and what the detection says of uncertain content.
#include "InterchangeSupport.h"

#include "interchange/InterchangeLimits.h"

using namespace Interchange;

namespace {

std::string nestedGroups(int depth)
{
    std::string xml = "<KeePassFile><Root>";
    for (int i = 0; i < depth; ++i)
        xml += "<Group><Name>g</Name>";
    for (int i = 0; i < depth; ++i)
        xml += "</Group>";
    return xml + "</Root></KeePassFile>";
}

std::string manyRows(std::size_t rows)
{
    std::string csv = "name,url,username,password\n";
    for (std::size_t i = 0; i < rows; ++i)
        csv += "n,https://x,u,p\n";
    return csv;
}

std::string bitwardenItems(const std::string& items)
{
    return "{\"encrypted\": false, \"folders\": [], \"items\": [" + items + "]}";
}

} // namespace

TEST(HostileInput, OneMessageNamingTheLineOrEntry)
{
    struct Case {
        const char* name;
        Format format;
        std::string text;
        std::string error;
    };
    const std::string goodItem = R"({"type": 2, "name": "ok", "notes": "n"})";
    const Case cases[] = {
        {"truncated XML", Format::KeePassXml, fixture("keepassxc.xml").substr(0, 3000), "line 80: Error parsing element attribute."},
        {"XML groups too deep", Format::KeePassXml, nestedGroups(70), "group \"g\": groups are nested deeper than 64 levels."},
        {"XML protected value", Format::KeePassXml,
         "<KeePassFile><Root><Group><Name>G</Name><Entry><String><Key>Title</Key><Value>T</Value></String>"
         "<String><Key>Password</Key><Value Protected=\"True\">abc=</Value></String></Entry></Group></Root></KeePassFile>",
         "entry 1 (\"T\" in \"G\"): \"Password\" is protected (encrypted) in this file; export the database as plain XML."},
        {"XML in Latin-1 bytes", Format::KeePassXml,
         "<KeePassFile><Root><Group><Name>G</Name><Entry><String><Key>Title</Key><Value>Gr\xFC\xDF" "e</Value></String></Entry>"
         "</Group></Root></KeePassFile>",
         "entry 1 (\"Gr\xFC\xDF" "e\" in \"G\"): a value is not UTF-8."},
        {"not XML at all", Format::KeePassXml, std::string("\x00\x01\x02\xFF garbage", 13), "line 1: No document element found."},
        {"XML without a database", Format::KeePassXml, "<html/>", "The file holds no KeePass database (no KeePassFile/Root element)."},
        {"JSON cut short", Format::BitwardenJson, fixture("bitwarden.json").substr(0, 500), "The file is not valid JSON."},
        {"JSON nested too deep", Format::BitwardenJson, std::string(100, '[') + std::string(100, ']'),
         "line 1: arrays and objects are nested deeper than 64 levels."},
        {"encrypted Bitwarden export", Format::BitwardenJson, R"({"encrypted": true, "items": []})",
         "The export is encrypted; export the vault as unencrypted JSON."},
        {"last item broken", Format::BitwardenJson, bitwardenItems(goodItem + "," + goodItem + R"(,{"type": 1, "name": "bad", "login": {"password": 5.5}})"),
         "item 3 (\"bad\"): \"password\" is not a text."},
        {"item in an unknown folder", Format::BitwardenJson, bitwardenItems(R"({"type": 2, "name": "x", "folderId": "nope"})"),
         "item 1 (\"x\"): \"folderId\" names no folder of the file."},
        {"item without a type", Format::BitwardenJson, bitwardenItems(R"({"name": "x"})"), "item 1 (\"x\"): \"type\" is not a number."},
        {"huge JSON value", Format::BitwardenJson, bitwardenItems(R"({"type": 2, "name": "x", "notes": ")" + std::string(70000, 'n') + "\"}"),
         "item 1 (\"x\"): \"notes\" is longer than 65536 bytes."},
        {"CSV row with a field missing", Format::ChromiumCsv, "name,url,username,password\na,b,c,d\ne,f,g\n",
         "line 3: 3 fields where the header has 4."},
        {"CSV header of another format", Format::FirefoxCsv, fixture("chromium.csv"),
         "line 1: the header does not name the columns of this format."},
        {"CSV date that is none", Format::KeePassXcCsv,
         "Group,Title,Username,Password,URL,Notes,Last Modified\nG,T,u,p,,,yesterday\n",
         "line 2: \"Last Modified\" is not a date and time (yesterday)."},
        {"too many entries", Format::ChromiumCsv, manyRows(kMaxEntries + 1), "line 200002: more than 200000 entries."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportSource source;
        std::string error;
        EXPECT_FALSE(readImport(c.format, c.text, source, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(HostileInput, DetectionIsCertainOrNamesTheCandidates)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<Format> formats;
    };
    const Case cases[] = {
        {"XML with a byte order mark", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<KeePassFile><Root/></KeePassFile>", {Format::KeePassXml}},
        {"Bitwarden JSON", R"({"encrypted": false, "items": []})", {Format::BitwardenJson}},
        {"header with both browsers' columns", "name,url,username,password,httpRealm\n", {Format::ChromiumCsv, Format::FirefoxCsv}},
        {"CSV of unknown columns", "site,login,secret\n", {}},
        {"other JSON", R"({"entries": []})", {}},
        {"binary", std::string("\x7F" "ELF\x02\x01\x01\x00", 8), {}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(detectFormats(c.text), c.formats);
    }
}

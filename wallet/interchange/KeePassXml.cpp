#include "KeePassXml.h"

#include "InterchangeLimits.h"
#include "InterchangeText.h"

#include <pugixml.hpp>

#include <cstring>
#include <iterator>

namespace Interchange {

namespace {

// The entry's strings that a field of the card mapping takes.
struct StandardString {
    const char* name;
    const char* key;
};
constexpr StandardString kStandardStrings[] = {
    {"UserName", "username"},
    {"Password", "password"},
    {"URL", "url"},
    {"Notes", "notes"},
};

class Reader {
public:
    Reader(ImportSource& source, std::string& error) : source(source), error(error) {}

    bool readGroup(const pugi::xml_node& node, ImportedGroup& group, std::size_t depth)
    {
        if (depth > kMaxDepth)
            return fail("group \"" + group.name + "\": groups are nested deeper than " + std::to_string(kMaxDepth) + " levels.");
        for (const pugi::xml_node& child : node.children()) {
            if (std::strcmp(child.name(), "Entry") == 0) {
                ImportedEntry entry;
                if (!readEntry(child, group, entry))
                    return false;
                group.entries.push_back(std::move(entry));
            } else if (std::strcmp(child.name(), "Group") == 0) {
                if (++source.groupCount > kMaxGroups)
                    return fail("more than " + std::to_string(kMaxGroups) + " groups.");
                ImportedGroup sub;
                sub.name = child.child_value("Name");
                if (!checked(sub.name, "group \"" + group.name + "\"") || !readGroup(child, sub, depth + 1))
                    return false;
                group.groups.push_back(std::move(sub));
            }
        }
        return true;
    }

private:
    bool fail(const std::string& message)
    {
        error = message;
        return false;
    }

    bool checked(const std::string& value, const std::string& where)
    {
        if (value.size() > kMaxValueBytes)
            return fail(where + ": a value is longer than " + std::to_string(kMaxValueBytes) + " bytes.");
        if (!isUtf8(value))
            return fail(where + ": a value is not UTF-8.");
        return true;
    }

    bool readEntry(const pugi::xml_node& node, const ImportedGroup& group, ImportedEntry& entry)
    {
        if (++source.entryCount > kMaxEntries)
            return fail("more than " + std::to_string(kMaxEntries) + " entries.");
        for (const pugi::xml_node& string : node.children("String")) {
            if (std::strcmp(string.child_value("Key"), "Title") == 0)
                entry.title = string.child_value("Value");
        }
        entry.where = "entry " + std::to_string(source.entryCount) + " (\"" + entry.title + "\" in \"" + group.name + "\")";
        if (!checked(entry.title, entry.where))
            return false;
        for (const pugi::xml_node& string : node.children("String")) {
            const std::string name = string.child_value("Key");
            const pugi::xml_node value = string.child("Value");
            if (value.attribute("Protected").as_bool())
                return fail(entry.where + ": \"" + name + "\" is protected (encrypted) in this file; export the database as plain XML.");
            const std::string text = normalizeLines(value.child_value());
            if (!checked(name, entry.where) || !checked(text, entry.where))
                return false;
            if (name == "Title")
                continue;
            const char* key = "";
            for (const StandardString& standard : kStandardStrings) {
                if (name == standard.name)
                    key = standard.key;
            }
            entry.add(key, name, text);
        }
        if (!checked(node.child_value("Tags"), entry.where))
            return false;
        entry.add("", "Tags", node.child_value("Tags"));
        const pugi::xml_node times = node.child("Times");
        if (const auto modified = parseIsoTime(times.child_value("LastModificationTime")))
            entry.modified = *modified;
        entry.add("", "Created", times.child_value("CreationTime"));
        if (times.child("Expires").text().as_bool())
            entry.add("", "Expires", times.child_value("ExpiryTime"));
        for (const pugi::xml_node& binary : node.children("Binary"))
            source.skipped.push_back({entry.where, std::string("attachment \"") + binary.child_value("Key") + "\", which a card cannot hold"});
        const auto history = node.child("History").children("Entry");
        if (const auto versions = std::distance(history.begin(), history.end()); versions > 0)
            source.skipped.push_back({entry.where, std::to_string(versions) + " earlier version(s) kept in its history"});
        if (!entry.find("username") && !entry.find("password") && !entry.find("url"))
            entry.kind = EntryKind::Note;
        return true;
    }

    ImportSource& source;
    std::string& error;
};

} // namespace

bool looksLikeKeePassXml(std::string_view text)
{
    text = withoutBom(text);
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && text[start] == '<' && text.substr(0, 4096).find("<KeePassFile") != std::string_view::npos;
}

bool readKeePassXml(std::string_view text, ImportSource& source, std::string& error)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!parsed) {
        error = "line " + std::to_string(lineAt(text, static_cast<std::size_t>(parsed.offset))) + ": " + parsed.description() + ".";
        return false;
    }
    const pugi::xml_node root = document.child("KeePassFile").child("Root");
    if (!root) {
        error = "The file holds no KeePass database (no KeePassFile/Root element).";
        return false;
    }
    Reader reader(source, error);
    return reader.readGroup(root, source.root, 0);
}

} // namespace Interchange

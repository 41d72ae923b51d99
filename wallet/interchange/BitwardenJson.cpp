#include "BitwardenJson.h"

#include "InterchangeLimits.h"
#include "InterchangeText.h"

#include <nlohmann/json.hpp>

#include <initializer_list>
#include <map>

namespace Interchange {

namespace {

using Json = nlohmann::json;

// How deep arrays and objects go, without parsing (strings skipped); the
// reader refuses a file beyond the limit before building anything.
bool nestingWithin(std::string_view text, std::size_t limit, std::size_t& line)
{
    std::size_t depth = 0;
    bool inString = false;
    line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n')
            ++line;
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > limit)
                return false;
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return true;
}

// The item's values that are texts (numbers are written as their digits); another type is an error.
class ItemReader {
public:
    ItemReader(const Json& item, ImportedEntry& entry, std::string& error) : item(item), entry(entry), error(error) {}

    bool text(const Json& object, const char* name, std::string& out)
    {
        out.clear();
        if (!object.is_object())
            return true;
        const auto value = object.find(name);
        if (value == object.end() || value->is_null())
            return true;
        if (value->is_number_integer())
            out = std::to_string(value->get<std::int64_t>());
        else if (value->is_string())
            out = value->get<std::string>();
        else
            return fail("\"" + std::string(name) + "\" is not a text.");
        if (out.size() > kMaxValueBytes)
            return fail("\"" + std::string(name) + "\" is longer than " + std::to_string(kMaxValueBytes) + " bytes.");
        out = normalizeLines(out);
        return true;
    }

    // The values of `names` that are given, with `separator` between them.
    bool joined(const Json& object, std::initializer_list<const char*> names, const char* separator, std::string& out)
    {
        out.clear();
        for (const char* name : names) {
            std::string part;
            if (!text(object, name, part))
                return false;
            if (!part.empty())
                out += (out.empty() ? "" : separator) + part;
        }
        return true;
    }

    // Adds the value `name` of `object` under `key` and `label`.
    bool add(const Json& object, const char* name, const char* key, const char* label)
    {
        std::string value;
        if (!text(object, name, value))
            return false;
        entry.add(key, label, value);
        return true;
    }

    bool fail(const std::string& what)
    {
        error = entry.where + ": " + what;
        return false;
    }

    const Json& item;
    ImportedEntry& entry;
    std::string& error;
};

// The member `name` of an object; null when absent or when `object` is no object.
const Json& member(const Json& object, const char* name)
{
    static const Json none;
    if (!object.is_object())
        return none;
    const auto found = object.find(name);
    return found == object.end() ? none : *found;
}

// A flag that is true, or (when `flagOnly` is off) an array that is not empty.
bool isTrue(const Json& value, bool flagOnly)
{
    return value.is_boolean() ? value.get<bool>() : !flagOnly && value.is_array() && !value.empty();
}

struct NamedValue {
    const char* name;
    const char* key;
    const char* label;
};

constexpr NamedValue kIdentityValues[] = {
    {"title", "personTitle", "Title"},
    {"firstName", "firstName", "First Name"},
    {"middleName", "", "Middle Name"},
    {"lastName", "lastName", "Last Name"},
    {"company", "company", "Company"},
    {"email", "email", "Email"},
    {"phone", "phone", "Phone"},
    {"city", "city", "City"},
    {"state", "state", "State"},
    {"postalCode", "zip", "Postal Code"},
    {"country", "country", "Country"},
    {"username", "", "Username"},
};

// The numbers an identity may carry; the first one given becomes the ID card's number.
constexpr NamedValue kIdentityNumbers[] = {
    {"passportNumber", "Passport", "Passport Number"},
    {"licenseNumber", "Driver's License", "License Number"},
    {"ssn", "Social Security Number", "Social Security Number"},
};

bool readLogin(ItemReader& reader, const Json& login)
{
    if (!reader.add(login, "username", "username", "Username") || !reader.add(login, "password", "password", "Password") ||
        !reader.add(login, "totp", "", "TOTP"))
        return false;
    if (const auto uris = login.find("uris"); uris != login.end() && uris->is_array()) {
        int number = 0;
        for (const Json& uri : *uris) {
            std::string value;
            if (!reader.text(uri, "uri", value))
                return false;
            if (value.empty())
                continue;
            ++number;
            reader.entry.add(number == 1 ? "url" : "", number == 1 ? "URL" : "URL " + std::to_string(number), value);
        }
    }
    return true;
}

bool readCard(ItemReader& reader, const Json& card)
{
    std::string month;
    std::string year;
    if (!reader.add(card, "cardholderName", "cardholder", "Cardholder Name") || !reader.add(card, "brand", "brand", "Brand") ||
        !reader.add(card, "number", "number", "Number") || !reader.add(card, "code", "", "Security Code") ||
        !reader.text(card, "expMonth", month) || !reader.text(card, "expYear", year))
        return false;
    if (month.size() == 1)
        month = "0" + month;
    reader.entry.add("expires", "Expires", month.empty() || year.empty() ? month + year : month + "/" + year);
    return true;
}

bool readIdentity(ItemReader& reader, const Json& identity)
{
    for (const NamedValue& value : kIdentityValues) {
        if (!reader.add(identity, value.name, value.key, value.label))
            return false;
    }
    std::string address;
    std::string fullName;
    if (!reader.joined(identity, {"address1", "address2", "address3"}, "\n", address) ||
        !reader.joined(identity, {"firstName", "middleName", "lastName"}, " ", fullName))
        return false;
    reader.entry.add("address", "Address", address);
    reader.entry.add("fullName", "Name", fullName, true);
    bool numbered = false;
    for (const NamedValue& number : kIdentityNumbers) {
        std::string value;
        if (!reader.text(identity, number.name, value))
            return false;
        if (value.empty())
            continue;
        reader.entry.add(numbered ? "" : "idNumber", number.label, value);
        if (!numbered)
            reader.entry.add("idType", "ID Type", number.key, true);
        numbered = true;
    }
    return true;
}

bool readItem(const Json& item, std::size_t number, const std::map<std::string, std::vector<std::string>>& folders,
              ImportSource& source, std::string& error)
{
    ImportedEntry entry;
    entry.where = "item " + std::to_string(number);
    if (!item.is_object()) {
        error = entry.where + ": not an object.";
        return false;
    }
    ItemReader reader(item, entry, error);
    if (!reader.text(item, "name", entry.title))
        return false;
    entry.where += " (\"" + entry.title + "\")";
    const auto type = item.find("type");
    if (type == item.end() || !type->is_number_integer())
        return reader.fail("\"type\" is not a number.");
    if (!reader.add(item, "notes", "notes", "Notes"))
        return false;
    switch (type->get<int>()) {
    case 1:
        entry.kind = EntryKind::Login;
        if (!readLogin(reader, member(item, "login")))
            return false;
        if (isTrue(member(member(item, "login"), "fido2Credentials"), false))
            source.skipped.push_back({entry.where, "a passkey, which a card cannot hold"});
        break;
    case 2:
        entry.kind = EntryKind::Note;
        break;
    case 3:
        entry.kind = EntryKind::PaymentCard;
        if (!readCard(reader, member(item, "card")))
            return false;
        break;
    case 4:
        entry.kind = EntryKind::Identity;
        if (!readIdentity(reader, member(item, "identity")))
            return false;
        break;
    default:
        source.skipped.push_back({entry.where, "an item of type " + std::to_string(type->get<int>()) + ", which no card kind holds"});
        return true;
    }
    if (const auto fields = item.find("fields"); fields != item.end() && fields->is_array()) {
        for (const Json& field : *fields) {
            std::string name;
            std::string value;
            if (!reader.text(field, "name", name) || !reader.text(field, "value", value))
                return false;
            entry.add("", name, value);
        }
    }
    if (const auto history = item.find("passwordHistory"); history != item.end() && history->is_array()) {
        for (const Json& old : *history) {
            std::string password;
            if (!reader.text(old, "password", password))
                return false;
            entry.add("", "Earlier Password", password);
        }
    }
    if (isTrue(member(item, "favorite"), true))
        entry.add("", "Favorite", "yes");
    std::string revised;
    if (!reader.add(item, "creationDate", "", "Created") || !reader.text(item, "revisionDate", revised))
        return false;
    if (const auto time = parseIsoTime(revised))
        entry.modified = *time;
    std::string folderId;
    if (!reader.text(item, "folderId", folderId))
        return false;
    const auto folder = folders.find(folderId);
    if (!folderId.empty() && folder == folders.end())
        return reader.fail("\"folderId\" names no folder of the file.");
    if (++source.entryCount > kMaxEntries) {
        error = entry.where + ": more than " + std::to_string(kMaxEntries) + " entries.";
        return false;
    }
    groupAtPath(source, folderId.empty() ? std::vector<std::string>() : folder->second).entries.push_back(std::move(entry));
    return true;
}

} // namespace

bool looksLikeBitwardenJson(std::string_view text)
{
    text = withoutBom(text);
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || text[start] != '{')
        return false;
    const std::string_view head = text.substr(0, 65536);
    return head.find("\"items\"") != std::string_view::npos &&
        (head.find("\"folders\"") != std::string_view::npos || head.find("\"encrypted\"") != std::string_view::npos);
}

bool readBitwardenJson(std::string_view text, ImportSource& source, std::string& error)
{
    text = withoutBom(text);
    std::size_t line = 0;
    if (!nestingWithin(text, kMaxDepth, line)) {
        error = "line " + std::to_string(line) + ": arrays and objects are nested deeper than " + std::to_string(kMaxDepth) + " levels.";
        return false;
    }
    if (const std::size_t bad = firstInvalidUtf8(text); bad != std::string_view::npos) {
        error = "line " + std::to_string(lineAt(text, bad)) + ": the text is not UTF-8.";
        return false;
    }
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        error = "The file is not valid JSON.";
        return false;
    }
    if (isTrue(member(json, "encrypted"), true)) {
        error = "The export is encrypted; export the vault as unencrypted JSON.";
        return false;
    }
    std::map<std::string, std::vector<std::string>> folders;
    if (const auto list = json.find("folders"); list != json.end() && list->is_array()) {
        for (const Json& folder : *list) {
            if (!folder.is_object() || !member(folder, "id").is_string() || !member(folder, "name").is_string()) {
                error = "folder " + std::to_string(folders.size() + 1) + ": \"id\" and \"name\" must be texts.";
                return false;
            }
            std::vector<std::string> path = splitGroupPath(folder["name"].get<std::string>());
            if (path.size() > kMaxDepth || folders.size() == kMaxGroups) {
                error = "folder " + std::to_string(folders.size() + 1) + ": too deep, or too many folders.";
                return false;
            }
            groupAtPath(source, path);
            folders[folder["id"].get<std::string>()] = std::move(path);
        }
    }
    const auto items = json.find("items");
    if (items == json.end() || !items->is_array()) {
        error = "The file holds no \"items\" array.";
        return false;
    }
    std::size_t number = 0;
    for (const Json& item : *items) {
        if (!readItem(item, ++number, folders, source, error))
            return false;
    }
    return true;
}

} // namespace Interchange

#include "ExportWriters.h"

#include "CardMapping.h"
#include "CsvReader.h"
#include "InterchangeText.h"
#include "cards/CardTypeTable.h"
#include "model/Category.h"
#include "platform/CodePage.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <functional>
#include <span>

namespace Interchange {

namespace {

using Json = nlohmann::ordered_json;

std::string utf8Text(const CString& text) { return wideToUtf8(ansiToWide(text.view())); }

// Calls `visit` with every card and the names of the categories above it
// (the root's left out); counts the cards of sealed categories.
void eachCard(const CCategory& category, std::vector<std::string>& path, ExportResult& result,
              const std::function<void(const CCard&, const std::vector<std::string>&)>& visit)
{
    result.sealedLeftOut += category.getSealedCards().size();
    for (const auto& card : category.getCards()) {
        visit(*card, path);
        ++result.cards;
    }
    for (const auto& sub : category.getSubcategories()) {
        path.push_back(utf8Text(sub->getName()));
        eachCard(*sub, path, result, visit);
        path.pop_back();
    }
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "/") + part;
    return text;
}

std::string valueOf(const ImportedEntry& entry, const char* key)
{
    const EntryValue* value = entry.find(key);
    return value ? value->value : std::string();
}

// Where a Bitwarden item puts a value of the mapping: the member of the
// item's part ("login", "card", "identity") that takes the key.
struct ItemPlace {
    const char* key;
    const char* member;
};

constexpr ItemPlace kCardPlaces[] = {{"cardholder", "cardholderName"}, {"brand", "brand"}, {"number", "number"}};
constexpr ItemPlace kIdentityPlaces[] = {
    {"personTitle", "title"}, {"firstName", "firstName"}, {"lastName", "lastName"}, {"company", "company"},
    {"email", "email"},       {"phone", "phone"},         {"address", "address1"},  {"city", "city"},
    {"state", "state"},       {"zip", "postalCode"},      {"country", "country"},
};

struct ItemType {
    EntryKind kind;
    int type;
    const char* part;
    std::span<const ItemPlace> places;
};

constexpr ItemType kItemTypes[] = {
    {EntryKind::Login, 1, "login", {}},
    {EntryKind::Note, 2, "secureNote", {}},
    {EntryKind::PaymentCard, 3, "card", kCardPlaces},
    {EntryKind::Identity, 4, "identity", kIdentityPlaces},
};

std::string itemId(const char* prefix, std::size_t number)
{
    char id[64];
    std::snprintf(id, sizeof id, "%s-0000-4000-8000-%012zu", prefix, number);
    return id;
}

Json bitwardenItem(const CCard& card, const std::string& folderId, std::size_t number)
{
    ExportedEntry exported = entryFromCard(card);
    const ImportedEntry& entry = exported.entry;
    const ItemType* type = &kItemTypes[1];
    for (const ItemType& candidate : kItemTypes) {
        if (candidate.kind == entry.kind)
            type = &candidate;
    }
    Json item = Json::object();
    item["id"] = itemId("00000001", number);
    item["organizationId"] = nullptr;
    item["folderId"] = folderId.empty() ? Json() : Json(folderId);
    item["type"] = type->type;
    item["reprompt"] = 0;
    item["name"] = entry.title;
    const std::string notes = valueOf(entry, "notes");
    item["notes"] = notes.empty() ? Json() : Json(notes);
    item["favorite"] = false;
    Json part = Json::object();
    Json fields = Json::array();
    for (const EntryValue& value : entry.values) {
        if (value.key == "notes")
            continue;
        bool placed = false;
        if (type->type == 1 && (value.key == "username" || value.key == "password")) {
            part[value.key] = value.value;
            placed = true;
        } else if (type->type == 1 && value.key == "url") {
            part["uris"] = Json::array({{{"match", nullptr}, {"uri", value.value}}});
            placed = true;
        } else if (type->type == 3 && value.key == "expires" && value.value.find('/') != std::string::npos) {
            part["expMonth"] = value.value.substr(0, value.value.find('/'));
            part["expYear"] = value.value.substr(value.value.find('/') + 1);
            placed = true;
        }
        for (const ItemPlace& place : type->places) {
            if (value.key == place.key) {
                part[place.member] = value.value;
                placed = true;
            }
        }
        if (!placed) {
            fields.push_back({{"name", value.label}, {"value", value.value}, {"type", 0}, {"linkedId", nullptr}});
            exported.kindMarked = true;
        }
    }
    if (type->type == 2)
        part["type"] = 0;
    if (exported.kindMarked)
        fields.insert(fields.begin(), Json{{"name", kKindLabel}, {"value", cardTypeRow(card.getTypeId()).displayName}, {"type", 0}, {"linkedId", nullptr}});
    item[type->part] = std::move(part);
    if (!fields.empty())
        item["fields"] = std::move(fields);
    item["revisionDate"] = formatIsoTime(entry.modified);
    item["collectionIds"] = nullptr;
    return item;
}

} // namespace

ExportResult writeKeePassXcCsv(const CCategory& root)
{
    ExportResult result;
    result.text = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\",\"Last Modified\",\"Created\"\n";
    std::vector<std::string> path{utf8Text(root.getName())};
    eachCard(root, path, result, [&](const CCard& card, const std::vector<std::string>& groups) {
        const ImportedEntry entry = entryFromCard(card).entry;
        std::string notes = valueOf(entry, "notes");
        for (const EntryValue& value : entry.values) {
            const bool hasColumn = value.key == "notes" || value.key == "username" || value.key == "password" || value.key == "url";
            if (!hasColumn)
                notes += (notes.empty() ? "" : "\n") + value.label + ": " + value.value;
        }
        result.text += csvField(joined(groups)) + "," + csvField(entry.title) + "," + csvField(valueOf(entry, "username")) + "," +
            csvField(valueOf(entry, "password")) + "," + csvField(valueOf(entry, "url")) + "," + csvField(notes) + ",\"\",\"0\"," +
            csvField(formatIsoTime(entry.modified)) + ",\"\"\n";
    });
    return result;
}

ExportResult writeBitwardenJson(const CCategory& root)
{
    ExportResult result;
    Json folders = Json::array();
    Json items = Json::array();
    // Every category is a folder, also one without cards of its own.
    std::map<std::string, std::string> folderIds;
    std::vector<std::string> path;
    const std::function<void(const CCategory&)> addFolders = [&](const CCategory& category) {
        for (const auto& sub : category.getSubcategories()) {
            path.push_back(utf8Text(sub->getName()));
            const std::string name = joined(path);
            if (folderIds.try_emplace(name, itemId("00000000", folderIds.size() + 1)).second)
                folders.push_back({{"id", folderIds[name]}, {"name", name}});
            addFolders(*sub);
            path.pop_back();
        }
    };
    addFolders(root);
    eachCard(root, path, result, [&](const CCard& card, const std::vector<std::string>& groups) {
        items.push_back(bitwardenItem(card, groups.empty() ? std::string() : folderIds[joined(groups)], items.size() + 1));
    });
    Json file = Json::object();
    file["encrypted"] = false;
    file["folders"] = std::move(folders);
    file["items"] = std::move(items);
    result.text = file.dump(2) + "\n";
    return result;
}

} // namespace Interchange

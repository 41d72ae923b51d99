#include "CardMapping.h"

#include "cards/CardFactory.h"
#include "cards/CardFieldNames.h"
#include "cards/FieldCard.h"
#include "images/IconIndex.h"
#include "images/IconNames.h"
#include "interchange/InterchangeLimits.h"
#include "model/Category.h"
#include "model/CryptRecord.h"
#include "model/NodeTreeState.h"
#include "platform/CodePage.h"
#include "zenthoLib/Base/ByteOutputStream.h"

#include <charconv>
#include <span>

namespace Interchange {

namespace {

struct FieldRoute {
    const char* key;
    const char* field;
};

constexpr FieldRoute kWebSite[] = {{"title", "siteName"}, {"username", "username"}, {"password", "password"}, {"url", "url"}};
constexpr FieldRoute kPassword[] = {{"title", "system"}, {"username", "username"}, {"password", "password"}};
constexpr FieldRoute kCreditCard[] = {
    {"cardholder", "nameOnCard"}, {"brand", "cardType"}, {"number", "cardNumber"}, {"expires", "expires"}, {"pin", "pin"}};
constexpr FieldRoute kIdCard[] = {
    {"idType", "cardTitle"}, {"country", "countryOrOrganization"}, {"idNumber", "idNumber"}, {"fullName", "holderName"}};
constexpr FieldRoute kContact[] = {
    {"firstName", "firstName"}, {"lastName", "lastName"}, {"personTitle", "title"}, {"company", "company"},
    {"phone", "homePhone"},     {"email", "email"},       {"address", "address"},   {"city", "city"},
    {"state", "state"},         {"zip", "zip"},           {"country", "country"},
};

struct KindRoute {
    EntryKind kind;
    // A key the entry must have a value under for this row; null: any entry of the kind.
    const char* requiredKey;
    int typeId;
    std::span<const FieldRoute> fields;
};

// First matching row wins.
constexpr KindRoute kRoutes[] = {
    {EntryKind::Login, "url", 26, kWebSite},
    {EntryKind::Login, nullptr, 19, kPassword},
    {EntryKind::PaymentCard, nullptr, 7, kCreditCard},
    {EntryKind::Identity, "idNumber", 13, kIdCard},
    {EntryKind::Identity, nullptr, 6, kContact},
    {EntryKind::Note, nullptr, 10, {}},
};

const KindRoute& routeOfEntry(const ImportedEntry& entry)
{
    for (const KindRoute& route : kRoutes) {
        if (route.kind == entry.kind && (!route.requiredKey || entry.find(route.requiredKey)))
            return route;
    }
    return kRoutes[std::size(kRoutes) - 1];
}

const KindRoute* routeOfType(int typeId)
{
    for (const KindRoute& route : kRoutes) {
        if (route.typeId == typeId)
            return &route;
    }
    return nullptr;
}

CString walletText(std::string_view utf8) { return CString(wideToAnsi(utf8ToWide(utf8))); }
std::string utf8Text(const CString& text) { return wideToUtf8(ansiToWide(text.view())); }

// Sets the field called `name` from its text; false when the kind has no such
// field or the text is no value of its type.
bool setField(CFieldCard& card, std::string_view name, std::string_view value)
{
    const int field = kindFieldIndex(card.getTypeId(), name);
    if (field < 0 || field == card.getKind().enumeration.indexField)
        return false;
    switch (card.fieldType(field)) {
    case FieldType::Text:
        card.setText(field, walletText(value));
        return true;
    case FieldType::Boolean:
        if (value != "true" && value != "false")
            return false;
        card.setNumber(field, value == "true" ? 1 : 0);
        return true;
    case FieldType::Integer:
    case FieldType::ListIndex:
        break;
    }
    int number = 0;
    const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (failure != std::errc() || end != value.data() + value.size())
        return false;
    card.setNumber(field, number);
    return true;
}

// The field's value as an export carries it; empty for a zero number or a false flag.
std::string fieldValue(const CFieldCard& card, int field)
{
    switch (card.fieldType(field)) {
    case FieldType::Text:
        return utf8Text(card.text(field));
    case FieldType::Boolean:
        return card.number(field) ? "true" : "";
    case FieldType::Integer:
    case FieldType::ListIndex:
        break;
    }
    return card.number(field) ? std::to_string(card.number(field)) : "";
}

// The kind the entry names through kKindLabel, or none.
int markedKind(const ImportedEntry& entry)
{
    for (const EntryValue& value : entry.values) {
        if (value.key.empty() && value.label == kKindLabel) {
            const int typeId = typeIdFromKindName(value.value);
            return typeId >= 0 ? typeId : kNoKind;
        }
    }
    return kNoKind;
}

std::unique_ptr<CCard> cardFromEntry(const ImportedEntry& entry, std::size_t& valuesInNotes)
{
    const int marked = markedKind(entry);
    const KindRoute* route = marked != kNoKind ? routeOfType(marked) : &routeOfEntry(entry);
    const int typeId = marked != kNoKind ? marked : route->typeId;
    std::unique_ptr<CCard> card = createCard(typeId);
    CFieldCard& fields = fieldCard(*card);
    // The name first: a field it fills may still take a value of its own below.
    if (route) {
        for (const FieldRoute& field : route->fields) {
            if (std::string_view(field.key) == "title")
                setField(fields, field.field, entry.title);
        }
    }
    std::string notes;
    std::string lines;
    for (const EntryValue& value : entry.values) {
        if (value.key == "notes") {
            notes = value.value;
            continue;
        }
        bool taken = false;
        if (route) {
            for (const FieldRoute& field : route->fields) {
                if (!value.key.empty() && value.key == field.key)
                    taken = setField(fields, field.field, value.value) || taken;
            }
        }
        if (value.key.empty() && marked != kNoKind)
            taken = value.label == kKindLabel || setField(fields, value.label, value.value);
        if (taken || value.derived)
            continue;
        lines += (lines.empty() ? "" : "\n") + value.label + ": " + value.value;
        ++valuesInNotes;
    }
    fields.applyEditRules();
    card->getNotes() = walletText(notes.empty() || lines.empty() ? notes + lines : notes + "\n" + lines);
    card->setName(walletText(entry.title));
    if (entry.modified >= 0)
        card->setModifiedTime(entry.modified);
    return card;
}

// Whether every text of the card stays within what an import takes.
bool withinValueLimit(const CCard& card)
{
    const CFieldCard& fields = fieldCard(card);
    bool within = utf8Text(card.getNotes()).size() <= kMaxValueBytes;
    for (int field = 0; field < fields.fieldCount(); ++field)
        within = within && (fields.fieldType(field) != FieldType::Text || utf8Text(fields.text(field)).size() <= kMaxValueBytes);
    return within;
}

bool fitsSealed(CCard& card)
{
    std::vector<unsigned char> buffer(kSealBufferSize);
    CByteOutputStream out(buffer.data(), kSealBufferSize);
    return card.save(out) && out.getError() == 0;
}

class Mapper {
public:
    Mapper(bool sealed, ImportSummary& summary) : sealed(sealed), summary(summary) {}

    void fill(const ImportedGroup& group, CCategory& category)
    {
        for (const ImportedGroup& sub : group.groups) {
            auto child = std::make_unique<CCategory>(walletText(sub.name), IconNames::kDefaultCategoryIndex, 0, sealed);
            child->setIconIndex(NodeTreeState::iconIndex().variantIndex(IconNames::kDefaultCategoryIndex));
            fill(sub, *child);
            ++summary.categories;
            category.insertCategory(std::move(child));
        }
        for (const ImportedEntry& entry : group.entries) {
            std::size_t inNotes = 0;
            std::unique_ptr<CCard> card = cardFromEntry(entry, inNotes);
            // What the export writes of the card must read back in.
            if (!withinValueLimit(*card)) {
                summary.skipped.push_back({entry.where, "a field, or the notes with the values moved into them, would be longer than " +
                                                            std::to_string(kMaxValueBytes) + " bytes"});
                continue;
            }
            if (sealed && !fitsSealed(*card)) {
                summary.skipped.push_back({entry.where, "too large for a card of an encrypted category (" +
                                                            std::to_string(kSealBufferSize) + " bytes at most)"});
                continue;
            }
            summary.valuesInNotes += inNotes;
            ++summary.cardsPerKind[card->getTypeId()];
            category.insertCard(std::move(card));
        }
    }

private:
    bool sealed;
    ImportSummary& summary;
};

} // namespace

MappedImport mapImport(const ImportSource& source, bool sealed)
{
    MappedImport mapped;
    mapped.holder = std::make_unique<CCategory>(CString(), IconNames::kDefaultCategoryIndex, 0, sealed);
    mapped.summary.skipped = source.skipped;
    Mapper(sealed, mapped.summary).fill(source.root, *mapped.holder);
    return mapped;
}

ExportedEntry entryFromCard(const CCard& card)
{
    const CFieldCard& fields = fieldCard(card);
    const int typeId = card.getTypeId();
    const KindRoute* route = routeOfType(typeId);
    ExportedEntry exported;
    ImportedEntry& entry = exported.entry;
    entry.kind = route ? route->kind : EntryKind::Note;
    entry.title = utf8Text(card.getName());
    entry.modified = card.getModifiedTime();
    entry.add("notes", "Notes", utf8Text(card.getNotes()));
    const auto names = kindFieldNames(typeId);
    for (int field = 0; field < fields.fieldCount(); ++field) {
        if (field == fields.getKind().enumeration.indexField)
            continue;
        const std::string value = fieldValue(fields, field);
        const char* key = "";
        if (route) {
            for (const FieldRoute& r : route->fields) {
                if (names[static_cast<std::size_t>(field)] == std::string_view(r.field))
                    key = r.key;
            }
        }
        // The name is the card's own; a field that repeats it needs no value of its own.
        if (std::string_view(key) == "title") {
            if (value == entry.title || value.empty())
                continue;
            key = "";
        }
        exported.kindMarked = exported.kindMarked || (!value.empty() && !*key);
        entry.add(key, names[static_cast<std::size_t>(field)], value);
    }
    exported.kindMarked = exported.kindMarked || routeOfEntry(entry).typeId != typeId;
    return exported;
}

} // namespace Interchange

// What an import reads from another manager's file, before it becomes cards:
// groups with their entries, each entry a kind and a list of values under
// the keys the card mapping knows ("username", "url", ...) or under no key,
// with the label that the card's notes will show.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Interchange {

enum class EntryKind { Login, PaymentCard, Identity, Note };

struct EntryValue {
    // A key of the card mapping, or empty for a value no field takes.
    std::string key;
    // The value's name as the source calls it ("TOTP", "Security question").
    std::string label;
    std::string value;
    // Made up from other values (a full name from its parts): left out when
    // no field of the chosen kind takes it, since its parts are kept.
    bool derived = false;
};

struct ImportedEntry {
    EntryKind kind = EntryKind::Login;
    std::string title;
    // Where the entry stands in the source ("line 4", "entry 3"), for messages.
    std::string where;
    std::vector<EntryValue> values;
    // Seconds since 1970 of the last change, or -1 when the source has none.
    std::int64_t modified = -1;

    // Adds a value unless it is empty.
    void add(std::string_view key, std::string_view label, std::string_view value, bool derived = false);
    // The value under `key`, or null.
    const EntryValue* find(std::string_view key) const;
};

struct ImportedGroup {
    std::string name;
    std::vector<ImportedGroup> groups;
    std::vector<ImportedEntry> entries;
};

struct SkippedItem {
    std::string where;
    std::string reason;
};

struct ImportSource {
    ImportedGroup root;
    std::vector<SkippedItem> skipped;
    std::size_t entryCount = 0;
    std::size_t groupCount = 0;
};

// The group a path of names leads to below `root`, made where missing (two
// entries naming the same path share the group).
ImportedGroup& groupAtPath(ImportSource& source, const std::vector<std::string>& path);

// Splits a group path at "/" ("Bank/Cards"); empty parts are left out.
std::vector<std::string> splitGroupPath(std::string_view path);

} // namespace Interchange

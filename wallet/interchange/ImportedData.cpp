#include "ImportedData.h"

namespace Interchange {

void ImportedEntry::add(std::string_view key, std::string_view label, std::string_view value, bool derived)
{
    if (!value.empty())
        values.push_back({std::string(key), std::string(label), std::string(value), derived});
}

const EntryValue* ImportedEntry::find(std::string_view key) const
{
    for (const EntryValue& value : values) {
        if (!key.empty() && value.key == key)
            return &value;
    }
    return nullptr;
}

ImportedGroup& groupAtPath(ImportSource& source, const std::vector<std::string>& path)
{
    ImportedGroup* group = &source.root;
    for (const std::string& name : path) {
        ImportedGroup* next = nullptr;
        for (ImportedGroup& sub : group->groups) {
            if (sub.name == name)
                next = &sub;
        }
        if (!next) {
            group->groups.push_back({name, {}, {}});
            ++source.groupCount;
            next = &group->groups.back();
        }
        group = next;
    }
    return *group;
}

std::vector<std::string> splitGroupPath(std::string_view path)
{
    std::vector<std::string> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty())
            parts.emplace_back(part);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return parts;
}

} // namespace Interchange

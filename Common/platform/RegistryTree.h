// The registry store's keys and values in memory.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>
#include <vector>

// A registry name folded for comparison: names that differ only in letter
// case fold to the same text.
std::string foldRegistryName(std::string_view name);

// Cuts a key path at its backslashes. A trailing backslash is allowed; an
// empty or over-long component, or a line break, makes the path invalid.
bool splitRegistryPath(std::string_view path, std::vector<std::string>& components);

struct RegistryValue {
    std::string name; // empty for the key's default value
    DWORD type = 0;
    std::vector<BYTE> data;

    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// One key: its name as created, its values in the order they were first set,
// and its subkeys in the order of their folded names.
class RegistryNode {
public:
    RegistryNode() = default;
    explicit RegistryNode(std::string name) : m_name(std::move(name)) {}

    const std::string& name() const { return m_name; }
    const std::vector<RegistryNode>& subkeys() const { return m_subkeys; }
    const std::vector<RegistryValue>& values() const { return m_values; }

    const RegistryNode* find(const std::vector<std::string>& path) const;
    RegistryNode* find(const std::vector<std::string>& path);
    // The subkey of that name, made when missing; `created` tells which.
    RegistryNode& ensureSubkey(std::string_view name, bool& created);
    bool removeSubkey(std::string_view name);

    const RegistryValue* value(std::string_view name) const;
    // Replaces a value of the same name in place (keeping its first spelling) or adds one.
    void setValue(std::string_view name, DWORD type, std::vector<BYTE> data);
    bool removeValue(std::string_view name);

    friend bool operator==(const RegistryNode&, const RegistryNode&) = default;

private:
    std::vector<RegistryNode>::iterator subkeyPosition(const std::string& folded);

    std::string m_name;
    std::vector<RegistryValue> m_values;
    std::vector<RegistryNode> m_subkeys;
};

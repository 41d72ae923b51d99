#include "platform/RegistryTree.h"

#include "platform/CodePage.h"
#include "platform/Registry.h"

#include <algorithm>

std::string foldRegistryName(std::string_view name) { return ansiToLower(name); }

bool splitRegistryPath(std::string_view path, std::vector<std::string>& components)
{
    components.clear();
    if (path.empty())
        return true;
    if (path.back() == '\\')
        path.remove_suffix(1);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || ansiCharCount(part) > MAX_KEY_NAME_LENGTH || part.find_first_of("\r\n") != part.npos)
            return false;
        components.emplace_back(part);
        if (end == path.size())
            return true;
        start = end + 1;
    }
}

const RegistryNode* RegistryNode::find(const std::vector<std::string>& path) const
{
    return const_cast<RegistryNode*>(this)->find(path);
}

RegistryNode* RegistryNode::find(const std::vector<std::string>& path)
{
    RegistryNode* node = this;
    for (const std::string& component : path) {
        const std::string folded = foldRegistryName(component);
        auto it = node->subkeyPosition(folded);
        if (it == node->m_subkeys.end() || foldRegistryName(it->m_name) != folded)
            return nullptr;
        node = &*it;
    }
    return node;
}

std::vector<RegistryNode>::iterator RegistryNode::subkeyPosition(const std::string& folded)
{
    return std::lower_bound(m_subkeys.begin(), m_subkeys.end(), folded, [](const RegistryNode& key, const std::string& f) {
        return foldRegistryName(key.m_name) < f;
    });
}

RegistryNode& RegistryNode::ensureSubkey(std::string_view name, bool& created)
{
    const std::string folded = foldRegistryName(name);
    auto it = subkeyPosition(folded);
    created = it == m_subkeys.end() || foldRegistryName(it->m_name) != folded;
    if (created)
        it = m_subkeys.insert(it, RegistryNode(std::string(name)));
    return *it;
}

bool RegistryNode::removeSubkey(std::string_view name)
{
    const std::string folded = foldRegistryName(name);
    auto it = subkeyPosition(folded);
    if (it == m_subkeys.end() || foldRegistryName(it->m_name) != folded)
        return false;
    m_subkeys.erase(it);
    return true;
}

const RegistryValue* RegistryNode::value(std::string_view name) const
{
    const std::string folded = foldRegistryName(name);
    for (const RegistryValue& v : m_values)
        if (foldRegistryName(v.name) == folded)
            return &v;
    return nullptr;
}

void RegistryNode::setValue(std::string_view name, DWORD type, std::vector<BYTE> data)
{
    if (auto* existing = const_cast<RegistryValue*>(value(name))) {
        existing->type = type;
        existing->data = std::move(data);
        return;
    }
    m_values.push_back(RegistryValue{std::string(name), type, std::move(data)});
}

bool RegistryNode::removeValue(std::string_view name)
{
    const RegistryValue* found = value(name);
    if (!found)
        return false;
    m_values.erase(m_values.begin() + (found - m_values.data()));
    return true;
}

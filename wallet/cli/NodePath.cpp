#include "NodePath.h"

#include "TerminalText.h"
#include "cards/CardTypeTable.h"
#include "model/Category.h"

namespace {

constexpr char kEscape = '\\';

// The nodes of `category` called `name`: subcategories first, then (unless
// only categories may follow) the cards, each list in its order.
std::vector<CNode*> namedChildren(const CCategory& category, const CString& name, bool categoriesOnly)
{
    std::vector<CNode*> found;
    for (const auto& sub : category.getSubcategories()) {
        if (sub->getName() == name)
            found.push_back(sub.get());
    }
    if (!categoriesOnly) {
        for (const auto& card : category.getCards()) {
            if (card->getName() == name)
                found.push_back(card.get());
        }
    }
    return found;
}

// The step's trailing "[N]", taken off `name`; 0 when there is none. A
// bracket written with the escape (at `escapedBracket`) never selects.
int takeOccurrence(std::string& name, std::size_t escapedBracket)
{
    if (name.size() < 3 || name.back() != ']')
        return 0;
    const std::size_t open = name.rfind('[');
    if (open == std::string::npos || open == escapedBracket || open + 2 > name.size() - 1)
        return 0;
    const std::string digits = name.substr(open + 1, name.size() - open - 2);
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos || digits[0] == '0')
        return 0;
    name.erase(open);
    return std::stoi(digits);
}

std::string stepText(const CNode& node)
{
    std::string text = escapePathName(node.getName());
    const CCategory* parent = node.getParent();
    if (!parent)
        return text;
    const std::vector<CNode*> same = namedChildren(*parent, node.getName(), false);
    if (same.size() > 1) {
        for (std::size_t i = 0; i < same.size(); ++i) {
            if (same[i] == &node)
                text += "[" + std::to_string(i + 1) + "]";
        }
    }
    return text;
}

std::string describe(const CNode& node)
{
    return nodePath(node) + " (" + cardTypeRow(node.getTypeId()).displayName + ")";
}

} // namespace

std::optional<std::vector<PathStep>> parseNodePath(const std::string& path, std::string& error)
{
    std::vector<PathStep> steps;
    if (path.empty() || path == "/")
        return steps;
    std::size_t i = path[0] == '/' ? 1 : 0;
    std::string name;
    std::size_t escapedBracket = std::string::npos;
    for (;; ++i) {
        if (i == path.size() || path[i] == '/') {
            const int occurrence = takeOccurrence(name, escapedBracket);
            steps.push_back({fromTerminal(name), occurrence});
            if (i == path.size())
                break;
            name.clear();
            escapedBracket = std::string::npos;
            continue;
        }
        if (path[i] == kEscape) {
            if (i + 1 == path.size() || (path[i + 1] != '/' && path[i + 1] != kEscape && path[i + 1] != '[')) {
                error = "Invalid path \"" + path + "\": \"\\\" must be followed by \"/\", \"\\\" or \"[\".";
                return std::nullopt;
            }
            ++i;
            if (path[i] == '[')
                escapedBracket = name.size();
        }
        name += path[i];
    }
    return steps;
}

std::string escapePathName(const CString& name)
{
    std::string escaped;
    for (const char c : toTerminal(name)) {
        if (c == '/' || c == kEscape || c == '[')
            escaped += kEscape;
        escaped += c;
    }
    return escaped;
}

std::string nodePath(const CNode& node)
{
    if (!node.getParent())
        return "/";
    std::string path;
    for (const CNode* step = &node; step->getParent(); step = step->getParent())
        path = "/" + stepText(*step) + path;
    return path;
}

PathLookup findNode(CCategory& root, const std::vector<PathStep>& steps)
{
    CNode* current = &root;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const PathStep& step = steps[i];
        if (!current->isCategory())
            return {nullptr, "\"" + nodePath(*current) + "\" is a card and holds nothing."};
        const bool last = i + 1 == steps.size();
        const auto& category = static_cast<CCategory&>(*current);
        const std::vector<CNode*> found = namedChildren(category, step.name, !last);
        const std::string where = nodePath(category) == "/" ? "/" : nodePath(category) + "/";
        if (step.occurrence > 0) {
            if (static_cast<std::size_t>(step.occurrence) > found.size())
                return {nullptr, "No node " + where + escapePathName(step.name) + "[" + std::to_string(step.occurrence) + "]."};
            current = found[static_cast<std::size_t>(step.occurrence - 1)];
            continue;
        }
        if (found.empty())
            return {nullptr, "No " + std::string(last ? "node " : "category ") + where + escapePathName(step.name) + "."};
        if (found.size() > 1) {
            std::string error = "The path " + where + escapePathName(step.name) + " is ambiguous; it names:";
            for (const CNode* candidate : found)
                error += "\n  " + describe(*candidate);
            return {nullptr, error};
        }
        current = found.front();
    }
    return {current, {}};
}

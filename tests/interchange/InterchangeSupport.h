// Reading the committed fixtures and looking at the cards an import made.
#pragma once

#include "cards/CardFieldNames.h"
#include "cards/CardTypeTable.h"
#include "cards/FieldCard.h"
#include "interchange/CardMapping.h"
#include "interchange/ImportFormats.h"
#include "model/Category.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

inline std::string fixture(const std::string& name)
{
    std::ifstream in(std::string(KELDRA_TESTDATA) + "/interchange/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string utf8(const CString& text) { return wideToUtf8(ansiToWide(text.view())); }

using CardValues = std::map<std::string, std::string>;

// Kind, name, notes and every field that holds something, by the field's name.
inline CardValues valuesOf(const CCard& card)
{
    const CFieldCard& fields = fieldCard(card);
    CardValues values{{"kind", cardTypeRow(card.getTypeId()).displayName}, {"name", utf8(card.getName())}};
    if (!card.getNotes().IsEmpty())
        values["notes"] = utf8(card.getNotes());
    const auto names = kindFieldNames(card.getTypeId());
    for (int field = 0; field < fields.fieldCount(); ++field) {
        const std::string value = fields.fieldType(field) == FieldType::Text ? utf8(fields.text(field))
                                  : fields.number(field) ? std::to_string(fields.number(field))
                                                         : "";
        if (!value.empty())
            values[names[static_cast<std::size_t>(field)]] = value;
    }
    return values;
}

// The tree as lines: "path/" for a category, "path/name" for a card.
inline void treeLines(const CCategory& category, const std::string& path, std::vector<std::string>& lines)
{
    for (const auto& sub : category.getSubcategories()) {
        const std::string subPath = path + utf8(sub->getName()) + "/";
        lines.push_back(subPath);
        treeLines(*sub, subPath, lines);
    }
    for (const auto& card : category.getCards())
        lines.push_back(path + utf8(card->getName()));
}

// The card at a path of names below `root` ("Bank/Visa"); fails the test when missing.
inline const CCard* cardAt(const CCategory& root, const std::string& path)
{
    const CCategory* category = &root;
    std::string rest = path;
    for (std::size_t slash; (slash = rest.find('/')) != std::string::npos;) {
        const std::string name = rest.substr(0, slash);
        const CCategory* next = nullptr;
        for (const auto& sub : category->getSubcategories()) {
            if (utf8(sub->getName()) == name && !next)
                next = sub.get();
        }
        if (!next) {
            ADD_FAILURE() << "no category " << name << " on the way to " << path;
            return nullptr;
        }
        category = next;
        rest = rest.substr(slash + 1);
    }
    for (const auto& card : category->getCards()) {
        if (utf8(card->getName()) == rest)
            return card.get();
    }
    ADD_FAILURE() << "no card " << path;
    return nullptr;
}

// Reads and maps a text as `format`; the test fails when reading fails.
inline Interchange::MappedImport imported(Interchange::Format format, const std::string& text, bool sealed = false)
{
    Interchange::ImportSource source;
    std::string error;
    EXPECT_TRUE(Interchange::readImport(format, text, source, error)) << error;
    return Interchange::mapImport(source, sealed);
}

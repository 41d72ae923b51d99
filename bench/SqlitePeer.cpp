#include "SqlitePeer.h"

#include "CardValues.h"
#include "cards/FieldCard.h"
#include "images/IconNames.h"
#include "model/Category.h"
#include "model/NodeTreeState.h"

#include <fstream>

namespace {

std::string sqlText(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

class SqlWriter {
public:
    explicit SqlWriter(std::ofstream& out) : out(out) {}

    void category(const CCategory& category, long parent)
    {
        const long id = row(parent, -1, category, "");
        for (const auto& card : category.getCards()) {
            const CFieldCard& fields = fieldCard(*card);
            std::string values;
            for (int field = 0; field < fields.fieldCount(); ++field)
                values += (field ? "\t" : "") + fields.fieldText(field).str();
            row(id, card->getTypeId(), *card, values);
        }
        for (const auto& subcategory : category.getSubcategories())
            this->category(*subcategory, id);
    }

private:
    long row(long parent, int kind, const CNode& node, const std::string& fields)
    {
        out << "INSERT INTO node VALUES(" << ++lastId << "," << parent << "," << kind << "," << sqlText(node.getName().str()) << ","
            << sqlText(NodeTreeState::iconIndex().iconName(node.getIconIndex()).str()) << "," << sqlText(node.getNotes().str()) << "," << node.getModifiedTime() << "," << sqlText(fields) << ");\n";
        return lastId;
    }

    std::ofstream& out;
    long lastId = 0;
};

} // namespace

bool writeSqlRecords(CCategory& root, const std::string& sqlPath)
{
    std::ofstream out(sqlPath, std::ios::trunc);
    out << "CREATE TABLE node(id INTEGER PRIMARY KEY, parent INTEGER, kind INTEGER, name TEXT, icon TEXT, notes TEXT, modified INTEGER, fields TEXT);\n"
           "BEGIN;\n";
    SqlWriter(out).category(root, 0);
    out << "COMMIT;\n";
    return static_cast<bool>(out.flush());
}

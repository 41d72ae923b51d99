// What the editor tests share: a scripted user interface and scripted
// choosers, cards filled with a distinct value per field, and control lookup by id.
#pragma once

#include "cards/CardFactory.h"
#include "cards/FieldCard.h"
#include "cards/edit/ControlId.h"
#include "cards/edit/EditorChoosers.h"
#include "support/ScriptedUserInterface.h"

#include <QWidget>

#include <deque>
#include <memory>

class ScriptedChoosers : public ICardEditorChoosers {
public:
    std::deque<QColor> colors;
    std::deque<QString> files;
    std::vector<QString> filters;

    std::optional<QColor> chooseColor(QWidget*, const QColor&) override
    {
        if (colors.empty())
            return std::nullopt;
        const QColor chosen = colors.front();
        colors.pop_front();
        return chosen;
    }
    std::optional<QString> chooseExistingFile(QWidget*, const QString& filter) override
    {
        filters.push_back(filter);
        if (files.empty())
            return std::nullopt;
        const QString chosen = files.front();
        files.pop_front();
        return chosen;
    }
};

template <class Widget> Widget* control(const QWidget& root, int id)
{
    return root.findChild<Widget*>(controlName(id));
}

// A card of `typeId` with a short value of its own in every field (one
// character, so that every limit lets it through; digits where only digits go).
inline std::unique_ptr<CFieldCard> filledCard(int typeId)
{
    std::unique_ptr<CFieldCard> card(dynamic_cast<CFieldCard*>(createCard(typeId).release()));
    card->setName(CString("Card ") + CString(std::to_string(typeId)));
    card->getNotes() = "some notes";
    for (int field = 0; field < card->fieldCount(); ++field) {
        switch (card->fieldType(field)) {
        case FieldType::Text:
            card->setText(field, CString(std::string(1, static_cast<char>('0' + field % 10))));
            break;
        case FieldType::Integer:
            card->setNumber(field, 10 + field);
            break;
        case FieldType::ListIndex:
        case FieldType::Boolean:
            card->setNumber(field, 1);
            break;
        }
    }
    card->applyEditRules();
    return card;
}

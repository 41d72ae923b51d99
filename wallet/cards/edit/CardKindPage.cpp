#include "CardKindPage.h"

#include "ControlId.h"
#include "EditableList.h"
#include "EditorTexts.h"
#include "SecretFieldRow.h"
#include "zenthoLib/Ui/QtText.h"
#include "cards/CardFactory.h"
#include "cards/CardFieldNames.h"
#include "cards/FieldCard.h"
#include "passwords/SecretFields.h"
#include "zenthoLib/Base/UserInterface.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <climits>

namespace {

using T = PageControlType;

bool isList(T type) { return type == T::EditableList || type == T::EditableListOwnFirst || type == T::DropDown; }

// The leading decimal number of `text` (blanks, an optional sign, digits); 0 when there is none.
int leadingNumber(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at].isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';
    long long value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9' && value <= INT_MAX; ++at)
        value = value * 10 + (text[at].unicode() - u'0');
    value = negative ? -value : value;
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

std::unique_ptr<CFieldCard> newCardOf(int typeId)
{
    return std::unique_ptr<CFieldCard>(dynamic_cast<CFieldCard*>(createCard(typeId).release()));
}

// Keeps a multi-line edit at `limit` characters while the user types.
void limitWhileTyping(QPlainTextEdit* edit, int limit)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
        const QString text = edit->toPlainText();
        if (text.size() <= limit)
            return;
        edit->setPlainText(text.left(limit));
        edit->moveCursor(QTextCursor::End);
    });
}

} // namespace

CCardKindPage::CCardKindPage(int typeId, CFieldCard* card, QWidget* parent)
    : CCardDialog(parent), typeId(typeId), table(kindPage(typeId)), edited(card)
{
    if (!edited)
        fresh = newCardOf(typeId);
    build();
    fill(edited ? *edited : *fresh, edited == nullptr);
}

CCardKindPage::~CCardKindPage() = default;

QString CCardKindPage::caption() const { return QString::fromLatin1(table.caption); }

bool CCardKindPage::hasHiddenFields() const
{
    const CFieldCard& card = edited ? *edited : *fresh;
    return card.getKind().newHiddenMode == CCard::kHideHidden;
}

void CCardKindPage::build()
{
    auto* grid = new QGridLayout(body());
    int row = -1;
    // The line of controls to the right of a row's first control.
    QHBoxLayout* line = nullptr;
    for (const PageControl& control : table.controls) {
        Bound entry{&control, nullptr};
        QWidget* widget = makeControl(control, entry);
        const QString caption = QString::fromLatin1(control.caption);
        if (widget) {
            bound.push_back(entry);
            trackFocus(entry.widget);
        }
        if (control.sameRow) {
            if (!line) {
                line = new QHBoxLayout;
                grid->addLayout(line, row, 1);
            }
            if (!caption.isEmpty())
                line->addWidget(new QLabel(caption, body()));
            line->addWidget(widget, 1);
            continue;
        }
        ++row;
        line = nullptr;
        if (control.type == T::RowTitle) {
            grid->addWidget(new QLabel(caption, body()), row, 0);
            continue;
        }
        if (control.type == T::FontChoice) {
            grid->addWidget(widget, row, 0, 1, 2);
            continue;
        }
        const bool alone = &control + 1 == table.controls.data() + table.controls.size() || !(&control + 1)->sameRow;
        if (caption.isEmpty()) {
            grid->addWidget(widget, row, 0, 1, alone ? 2 : 1);
        } else {
            auto* label = new QLabel(caption, body());
            grid->addWidget(label, row, 0, control.type == T::MultiLine ? Qt::AlignTop : Qt::Alignment());
            if (alone) {
                grid->addWidget(widget, row, 1);
            } else {
                // The controls that follow on this row share its second column.
                line = new QHBoxLayout;
                line->addWidget(widget, 1);
                grid->addLayout(line, row, 1);
            }
        }
        if (control.type == T::MultiLine)
            grid->setRowStretch(row, 1);
    }
    grid->setColumnStretch(1, 1);
    finishPage();
}

std::optional<PasswordRules> CCardKindPage::secretRules(const PageControl& control) const
{
    const std::span<const char* const> names = kindFieldNames(typeId);
    if (control.field < 0 || control.field >= static_cast<int>(names.size()))
        return std::nullopt;
    return generatorRulesFor(typeId, names[control.field], control.limit);
}

QWidget* CCardKindPage::makeControl(const PageControl& control, Bound& entry)
{
    const int id = controlId(control);
    switch (control.type) {
    case T::RowTitle:
        return nullptr;
    case T::MultiLine: {
        auto* edit = named(new QPlainTextEdit(body()), id);
        // The notes take a few lines; a text without a caption (the free form's) is the page itself.
        const int lines = *control.caption ? 5 : 14;
        edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 12);
        if (control.limit != kNoLimit)
            limitWhileTyping(edit, control.limit);
        entry.widget = edit;
        return edit;
    }
    case T::FontChoice: {
        auto* group = new QGroupBox(QString::fromLatin1(control.caption), body());
        auto* buttons = new QHBoxLayout(group);
        entry.smallFont = named(new QRadioButton(QStringLiteral("Small"), group), kSmallFontControlId);
        buttons->addWidget(entry.smallFont);
        buttons->addWidget(named(new QRadioButton(QStringLiteral("Large"), group), kLargeFontControlId));
        buttons->addStretch(1);
        entry.widget = group;
        return group;
    }
    case T::EditableList:
    case T::EditableListOwnFirst:
    case T::DropDown: {
        auto* list = named(new QComboBox(body()), id);
        if (control.type != T::DropDown) {
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            if (control.limit != kNoLimit)
                list->lineEdit()->setMaxLength(control.limit);
        }
        entry.widget = list;
        return list;
    }
    case T::Edit:
    case T::Digits:
    case T::Number: {
        auto* edit = named(new QLineEdit(body()), id);
        if (control.limit != kNoLimit)
            edit->setMaxLength(control.limit);
        if (control.type == T::Digits)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        entry.widget = edit;
        if (const auto rules = secretRules(control))
            return new CSecretFieldRow(*edit, control.field, *rules, body());
        return edit;
    }
    }
    return nullptr;
}

void CCardKindPage::fill(const CFieldCard& from, bool isNew)
{
    for (const Bound& entry : bound) {
        const PageControl& control = *entry.control;
        if (control.field == kNameField) {
            static_cast<QLineEdit*>(entry.widget)->setText(isNew ? QString::fromLatin1(table.defaultName) : toQString(from.getName()));
        } else if (control.field == kNotesField) {
            static_cast<QPlainTextEdit*>(entry.widget)->setPlainText(toQString(from.getNotes()));
        } else if (control.type == T::FontChoice) {
            auto* large = entry.widget->findChild<QRadioButton*>(controlName(kLargeFontControlId));
            (from.number(control.field) != 0 ? entry.smallFont : large)->setChecked(true);
        } else if (isList(control.type)) {
            fillList(*static_cast<QComboBox*>(entry.widget), control, from, isNew);
        } else if (control.type == T::Number) {
            static_cast<QLineEdit*>(entry.widget)->setText(isNew ? QString() : QString::number(from.number(control.field)));
        } else {
            static_cast<QLineEdit*>(entry.widget)->setText(toQString(from.text(control.field)));
        }
    }
}

void CCardKindPage::fillList(QComboBox& list, const PageControl& control, const CFieldCard& from, bool isNew) const
{
    const CardKind& kind = from.getKind();
    if (control.type != T::DropDown) {
        const CString& text = from.text(control.field);
        const int index = isNew ? 0 : from.number(kind.enumeration.indexField);
        const ListChoice choice = editableListChoice(kind.enumeration, text, index, control.type == T::EditableListOwnFirst);
        for (const CString& entry : choice.entries)
            list.addItem(toQString(entry));
        list.setCurrentIndex(choice.selected);
        if (!isNew)
            list.setEditText(toQString(text));
        return;
    }
    if (from.fieldType(control.field) == FieldType::ListIndex) {
        for (const char* entry : kind.listTexts)
            list.addItem(QString::fromLatin1(entry));
        const int index = from.number(control.field);
        list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
        return;
    }
    const std::span<const char* const> entries = control.entries.empty() ? kind.enumeration.list : control.entries;
    for (const char* entry : entries)
        list.addItem(QString::fromLatin1(entry));
    if (isNew) {
        list.setCurrentIndex(0);
        return;
    }
    // A text read from a file that is not one of the entries is kept as the first.
    const QString text = toQString(from.text(control.field));
    if (list.findText(text) < 0)
        list.insertItem(0, text);
    list.setCurrentIndex(list.findText(text));
}

void CCardKindPage::writeTo(CFieldCard& card) const
{
    for (const Bound& entry : bound) {
        const PageControl& control = *entry.control;
        if (control.field == kNameField) {
            card.setName(fromQString(nameText()));
        } else if (control.field == kNotesField) {
            card.getNotes() = fromQString(static_cast<QPlainTextEdit*>(entry.widget)->toPlainText());
        } else if (control.type == T::FontChoice) {
            card.setNumber(control.field, entry.smallFont->isChecked() ? 1 : 0);
        } else if (isList(control.type)) {
            auto* list = static_cast<QComboBox*>(entry.widget);
            if (card.fieldType(control.field) != FieldType::ListIndex)
                card.setText(control.field, fromQString(list->currentText()));
            else if (list->currentIndex() >= 0)
                card.setNumber(control.field, list->currentIndex());
        } else if (control.type == T::Number) {
            card.setNumber(control.field, leadingNumber(static_cast<QLineEdit*>(entry.widget)->text()));
        } else {
            card.setText(control.field, fromQString(static_cast<QLineEdit*>(entry.widget)->text()));
        }
    }
    card.applyEditRules();
}

QString CCardKindPage::nameText() const
{
    for (const Bound& entry : bound) {
        if (entry.control->field == kNameField)
            return static_cast<QLineEdit*>(entry.widget)->text();
    }
    return QString();
}

bool CCardKindPage::confirm(IUserInterface& ui)
{
    CString name = fromQString(nameText());
    if (name.Trim().IsEmpty()) {
        ui.messageBox(EditorTexts::kEmptyCardName, MB_OK);
        setConfirmed(false);
        return false;
    }
    writeTo(edited ? *edited : *fresh);
    freshConfirmed = edited == nullptr;
    setConfirmed(true);
    return true;
}

std::unique_ptr<CCard> CCardKindPage::takeNewCard()
{
    if (!freshConfirmed)
        return nullptr;
    freshConfirmed = false;
    return std::move(fresh);
}

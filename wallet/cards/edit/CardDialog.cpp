#include "CardDialog.h"

#include "ControlId.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The one-line edit behind a control, if it has one.
QLineEdit* lineEditOf(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit;
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->lineEdit();
    return nullptr;
}

template <class Action> void actOn(QWidget* control, Action action)
{
    if (QLineEdit* edit = lineEditOf(control))
        action(*edit);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        action(*text);
}

} // namespace

CCardDialog::CCardDialog(QWidget* parent) : CScrollPropertyPage(0, parent), content(new QWidget(this)) {}

void CCardDialog::finishPage()
{
    content->resize(content->sizeHint());
    initPage(content->size());
}

int CCardDialog::lastFocusId() const { return lastFocused ? controlIdOf(*lastFocused) : 0; }

void CCardDialog::cut()
{
    actOn(lastFocused, [](auto& edit) { edit.cut(); });
}

void CCardDialog::copy()
{
    actOn(lastFocused, [](auto& edit) { edit.copy(); });
}

void CCardDialog::paste()
{
    actOn(lastFocused, [](auto& edit) { edit.paste(); });
}

void CCardDialog::trackFocus(QWidget* control)
{
    control->installEventFilter(this);
    if (QLineEdit* edit = lineEditOf(control); edit && edit != control)
        edit->installEventFilter(this);
}

bool CCardDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        auto* control = qobject_cast<QWidget*>(watched);
        // The edit inside an editable list stands for the list.
        if (control && qobject_cast<QComboBox*>(control->parentWidget()))
            control = control->parentWidget();
        lastFocused = control;
    }
    return CScrollPropertyPage::eventFilter(watched, event);
}

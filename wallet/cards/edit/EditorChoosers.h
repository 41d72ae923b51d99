// The system choosers the card editor opens: the colour chooser and the
// chooser of an existing file. The program uses the Qt dialogs; tests answer
// from a script, so no modal loop runs.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

class ICardEditorChoosers {
public:
    virtual ~ICardEditorChoosers() = default;
    // The colour chosen starting from `current`; none on Cancel.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& current) = 0;
    // The native path of an existing file; `filter` is in the "Name|*.a;*.b|" form. None on Cancel.
    virtual std::optional<QString> chooseExistingFile(QWidget* parent, const QString& filter) = 0;
};

class CQtEditorChoosers : public ICardEditorChoosers {
public:
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& current) override;
    std::optional<QString> chooseExistingFile(QWidget* parent, const QString& filter) override;
};

// A "Name|*.a;*.b|Name 2|*.c||" filter in Qt's "Name (*.a *.b);;Name 2 (*.c)" form.
QString qtFileFilter(const QString& filter);

#include "EditorChoosers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QStringList>

std::optional<QColor> CQtEditorChoosers::chooseColor(QWidget* parent, const QColor& current)
{
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QString> CQtEditorChoosers::chooseExistingFile(QWidget* parent, const QString& filter)
{
    // The file dialog only hands back files that exist.
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QString(), qtFileFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

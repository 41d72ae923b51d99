#include "zenthoLib/Base/TraceLog.h"

#include "importexport/ImportExportDialogs.h"

#include "importexport/FormatChoiceDlg.h"
#include "importexport/ImportSummaryDlg.h"
#include "importexport/ImportExportTexts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace {

using Interchange::Format;

// The export's formats with the name filter and suffix of each.
struct ExportFilter {
    Format format;
    const char* filter;
    const char* suffix;
};
constexpr ExportFilter kExportFilters[] = {
    {Format::KeePassXcCsv, "KeePassXC CSV (*.csv)", "csv"},
    {Format::BitwardenJson, "Bitwarden JSON (*.json)", "json"},
};

} // namespace

QString CQtImportExportDialogs::chooseImportFile()
{
    return QFileDialog::getOpenFileName(m_parent, QString::fromLatin1(ImportExportTexts::kImportTitle), QDir::homePath(),
                                        QString::fromLatin1(ImportExportTexts::kImportFilter));
}

std::optional<Format> CQtImportExportDialogs::chooseImportFormat(const QString& path, const std::vector<Format>& candidates, bool matchedNone)
{
    CFormatChoiceDlg dialog(path, candidates, matchedNone, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFormat();
}

std::optional<ExportChoice> CQtImportExportDialogs::chooseExportFile()
{
    QStringList filters;
    for (const ExportFilter& entry : kExportFilters)
        filters << QString::fromLatin1(entry.filter);
    QFileDialog dialog(m_parent, QString::fromLatin1(ImportExportTexts::kExportTitle), QDir::homePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filters);
    // A name typed without a suffix gets the chosen format's, before the
    // dialog asks whether to replace a file of that name.
    const auto suffixFor = [](const QString& filter) {
        for (const ExportFilter& entry : kExportFilters) {
            if (filter == QLatin1String(entry.filter))
                return QString::fromLatin1(entry.suffix);
        }
        return QString();
    };
    dialog.setDefaultSuffix(suffixFor(filters.constFirst()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixFor](const QString& filter) { dialog.setDefaultSuffix(suffixFor(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedNameFilter();
    for (const ExportFilter& entry : kExportFilters) {
        if (chosen == QLatin1String(entry.filter))
            return ExportChoice{dialog.selectedFiles().constFirst(), entry.format};
    }
    return std::nullopt;
}

void CQtImportExportDialogs::showImportSummary(const QString& summary)
{
    CImportSummaryDlg dialog(summary, m_parent);
    dialog.exec();
}

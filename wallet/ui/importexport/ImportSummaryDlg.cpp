#include "zenthoLib/Base/TraceLog.h"

#include "importexport/ImportSummaryDlg.h"

#include "importexport/ImportExportTexts.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CImportSummaryDlg::CImportSummaryDlg(const QString& summary, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(ImportExportTexts::kImportTitle));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QPlainTextEdit(summary, this);
    text->setObjectName(QStringLiteral("summary"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // As tall as the summary up to 16 lines, as wide as its longest line up to 80 characters.
    const QFontMetrics metrics = text->fontMetrics();
    int widest = 0;
    for (const QString& line : summary.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int lines = std::min<int>(16, static_cast<int>(summary.count(u'\n')) + 1);
    text->setMinimumSize(std::min(widest, metrics.averageCharWidth() * 80) + 40, metrics.lineSpacing() * lines + 16);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    gDialogFixer.fixDialog(this);
}

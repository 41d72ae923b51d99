#include "zenthoLib/Base/TraceLog.h"

#include "importexport/FormatChoiceDlg.h"

#include "dialogs/DialogButtons.h"
#include "importexport/ImportExportTexts.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CFormatChoiceDlg::CFormatChoiceDlg(const QString& path, const std::vector<Interchange::Format>& candidates, bool matchedNone,
                                   QWidget* parent)
    : QDialog(parent), m_candidates(candidates), m_choices(new QButtonGroup(this))
{
    using namespace ImportExportTexts;
    setWindowTitle(QString::fromLatin1(kImportTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QString question = QString::fromLatin1(matchedNone ? kUnknownFormat : kUncertainFormat) + QStringLiteral("\n\"") +
                             QFileInfo(path).fileName() + QStringLiteral("\"\n") + QString::fromLatin1(kWhichFormat);
    layout->addWidget(new QLabel(question, this));
    for (std::size_t at = 0; at < candidates.size(); ++at) {
        const Interchange::FormatInfo& info = Interchange::formatInfo(candidates[at]);
        auto* choice = new QRadioButton(QString::fromLatin1(info.source), this);
        choice->setObjectName(QString::fromLatin1(info.name));
        m_choices->addButton(choice, static_cast<int>(at));
        layout->addWidget(choice);
    }
    if (!candidates.empty())
        m_choices->button(0)->setChecked(true);
    layout->addLayout(okCancelRow(*this));
    gDialogFixer.fixDialog(this);
}

Interchange::Format CFormatChoiceDlg::chosenFormat() const
{
    const int chosen = m_choices->checkedId();
    return m_candidates.at(chosen < 0 ? 0 : static_cast<std::size_t>(chosen));
}

#include "zenthoLib/Base/TraceLog.h"

#include "importexport/ImportExportCommands.h"

#include "frame/CommandIds.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "importexport/ImportExportDialogs.h"
#include "importexport/ImportExportTexts.h"
#include "interchange/ImportFile.h"
#include "interchange/ImportIntoWallet.h"
#include "interchange/ImportSummaryText.h"
#include "interchange/WalletExport.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "platform/CodePage.h"
#include "zenthoLib/Base/UserInterface.h"

#include <QWidget>

namespace {

CString fromUtf8(const std::string& text) { return CString(wideToAnsi(utf8ToWide(text))); }

} // namespace

CImportExportCommands::CImportExportCommands(UiServices& services, IWalletFrame& frame, IImportExportDialogs* dialogs)
    : m_services(services), m_frame(frame),
      m_ownDialogs(dialogs ? nullptr : std::make_unique<CQtImportExportDialogs>(dynamic_cast<QWidget*>(&frame))),
      m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
}

CImportExportCommands::~CImportExportCommands() = default;

bool CImportExportCommands::runCommand(int id)
{
    if (id != CommandId::ImportFrom && id != CommandId::ExportTo)
        return false;
    m_frame.restartInactivityTimer();
    if (id == CommandId::ImportFrom)
        importFile();
    else
        exportFile();
    return true;
}

std::optional<bool> CImportExportCommands::commandEnabled(int id)
{
    if (id == CommandId::ImportFrom || id == CommandId::ExportTo)
        return m_services.document.isFileOpen();
    return std::nullopt;
}

void CImportExportCommands::tell(const std::string& message, unsigned int icon) { m_services.ui.messageBox(fromUtf8(message), MB_OK | icon); }

void CImportExportCommands::importFile()
{
    using namespace Interchange;
    const QString path = m_dialogs.chooseImportFile();
    if (path.isEmpty())
        return;
    ImportFile file;
    std::string error;
    if (!file.read(path.toStdString(), error))
        return tell(error, MB_ICONWARNING);
    std::vector<Format> candidates = file.formats();
    std::optional<Format> format;
    if (candidates.size() == 1) {
        format = candidates.front();
    } else {
        // Not certain: the person says which, from every format when the content matched none.
        const bool matchedNone = candidates.empty();
        if (matchedNone) {
            for (const FormatInfo& info : formats())
                candidates.push_back(info.format);
        }
        format = m_dialogs.chooseImportFormat(path, candidates, matchedNone);
    }
    // Everything is read and checked before the wallet changes: a file that
    // fails anywhere leaves it as it was.
    if (!format)
        return;
    if (!file.parse(*format, error))
        return tell(error, MB_ICONWARNING);
    CWalletDoc& document = m_services.document;
    // The imported secrets go into a new encrypted category: the wallet's
    // password is asked for, or its first one set.
    if (!document.ensureKeyForEncryption())
        return;
    MappedImport mapped = file.map(true);
    CCategory* added = mapped.holder.get();
    const std::string name = importCategoryName(*format);
    if (!addImportAsCategory(document, document.getRoot(), mapped, name))
        return tell(ImportExportTexts::kCannotSaveCategory, MB_ICONWARNING);
    m_frame.select(nullptr, added, nullptr, added);
    const std::string place = "the new encrypted category \"" + name + "\"";
    m_dialogs.showImportSummary(QString::fromStdString(importSummaryText(mapped.summary, formatInfo(*format).source, place)));
}

void CImportExportCommands::exportFile()
{
    using namespace Interchange;
    const std::optional<ExportChoice> choice = m_dialogs.chooseExportFile();
    if (!choice)
        return;
    if (m_services.ui.messageBox(CString(ImportExportTexts::kNotEncryptedQuestion), MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    // Sealed categories go out only opened with the password; refused, they stay out.
    const std::optional<ExportResult> result = exportWallet(m_services.document, choice->format, true);
    m_frame.refreshAfterDecrypting();
    if (!result)
        return;
    if (!writePrivateFile(choice->path.toStdString(), result->text))
        return tell(ImportExportTexts::kCannotCreateFile, MB_ICONWARNING);
    std::string done = "Exported " + std::to_string(result->cards) + " cards to \"" + choice->path.toStdString() + "\".";
    if (result->sealedLeftOut)
        done += "\n" + std::to_string(result->sealedLeftOut) + " sealed cards were left out: they need the wallet's password.";
    tell(done, MB_ICONINFORMATION);
}

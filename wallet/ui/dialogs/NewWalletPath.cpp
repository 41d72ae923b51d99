#include "NewWalletPath.h"

#include "DialogTexts.h"
#include "Lookups.h"
#include "platform/NativePath.h"
#include "settings/KeldraRegistry.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/QtText.h"

#include <QFile>

namespace {

constexpr const char* kFallbackFolder = "c:\\";
constexpr const char* kWalletExtension = "wal";

bool canBeOpened(const CString& path)
{
    QFile file(toQString(CString(toNativePath(path))));
    return file.open(QIODevice::ReadOnly);
}

} // namespace

CString newWalletStartFolder(const CKeldraRegistry& registry)
{
    // Reading a value leaves the registry object as it was.
    CString programDir = kFallbackFolder;
    const_cast<CKeldraRegistry&>(registry).getProgramDir(programDir);
    return CString(setvane::defaultPartnershipDir(programDir.str()));
}

CString completeWalletExtension(CString path)
{
    const std::string& text = path.str();
    const std::size_t separator = text.find_last_of("\\/");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = text.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart && dot + 1 < text.size();
    if (hasExtension)
        return path;
    if (text.empty() || text.back() != '.')
        path += ".";
    path += kWalletExtension;
    return path;
}

std::optional<CString> askNewWalletPath(IUserInterface& ui, QWidget*, const CString& startFolder,
                                        std::function<std::optional<QString>(const QString& startFolder)> chooseFile)
{
    const QString nativeStart = toQString(CString(toNativePath(startFolder)));
    for (;;) {
        const std::optional<QString> chosen = chooseFile(nativeStart);
        if (!chosen)
            return std::nullopt;
        const CString path = completeWalletExtension(fromNativePath(fromQString(*chosen).str()));
        if (!canBeOpened(path) || ui.messageBox(DialogTexts::kOverwriteQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
            return path;
    }
}

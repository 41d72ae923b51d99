// The trace log's header names a member `emit`: it comes before Qt's macro of that name.
#include "zenthoLib/Base/TraceLog.h"

#include "app/WalletApp.h"

#include "app/AppDialogs.h"
#include "dialogs/NewWalletPath.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "model/Category.h"
#include "model/LibraryMessages.h"
#include "model/NodeTreeState.h"
#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "zenthoLib/Base/RegistryKey.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/QtText.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace {

const char* const kLogPath = "c:\\Keldra.log";
const char* const kNotInstalled = "Application is not installed properly!";
// The about box's link when the application key names no reseller.
const char* const kMakerSite = "www.quorvex.com";
constexpr int kResellerSiteLength = 63;

} // namespace

CWalletApp::CWalletApp(IUserInterface& ui, IAppDialogs& dialogs, ICardEditorChoosers& choosers, ICardSoundPlayer& sound,
                       IFrameDialogs* frameDialogs)
    : m_ui(ui), m_dialogs(dialogs), m_choosers(choosers), m_sound(sound), m_frameDialogs(frameDialogs), m_images(ui)
{
}

CWalletApp::~CWalletApp()
{
    m_frame.reset();
    m_document.reset();
    NodeTreeState::setIconIndex(nullptr);
    NodeTreeState::setUserInterface(nullptr);
    routeLibraryMessages(nullptr);
    DeInitLib();
}

void CWalletApp::showMessage(const char* text, unsigned type) { m_ui.messageBox(CString(text), type); }

bool CWalletApp::initInstance(const CString& namedWallet)
{
    InitLib(kLogPath);
    NodeTreeState::setUserInterface(&m_ui);
    routeLibraryMessages(&m_ui);
    if (!readSettings() || !passLockoutCheck() || !loadIconCatalogue())
        return false;
    m_recentFiles.load();
    if (!namedWallet.IsEmpty())
        m_lastFile = namedWallet;
    createDocumentAndFrame();
    if (!m_lastFile.IsEmpty())
        openLastWallet();
    if (!m_frame)
        return false;
    m_frame->show();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_frame->move(screen->availableGeometry().center() - m_frame->rect().center());
    m_images.startBackgroundLoading();
    return true;
}

bool CWalletApp::readSettings()
{
    // The program never makes its key: the installer (on Linux the launcher) does.
    if (!m_registry.init()) {
        showMessage(kNotInstalled, MB_OK | MB_ICONERROR);
        return false;
    }
    switch (m_registry.readOptions(&m_options)) {
    case 0:
        break;
    case 1:
        showMessage(kNotInstalled, MB_OK | MB_ICONERROR);
        return false;
    default:
        // Only the base part could be read: the defaults are stored and read back.
        m_options = CKeldraOptions();
        if (m_registry.saveOptions(&m_options) != 0 || m_registry.readOptions(&m_options) != 0)
            return false;
        break;
    }
    if (!m_registry.getLastFile(m_lastFile))
        m_lastFile.Empty();
    return true;
}

bool CWalletApp::passLockoutCheck()
{
    switch (m_options.lockoutStateAt(CKeldraOptions::currentTime())) {
    case LockoutState::Running:
        showMessage("Wallet is locked!", MB_OK | MB_ICONERROR);
        return false;
    case LockoutState::Expired:
        m_options.clearLockout();
        m_registry.saveSettings(m_options, m_ui);
        return true;
    case LockoutState::None:
        return true;
    }
    return true;
}

bool CWalletApp::loadIconCatalogue()
{
    CString folder;
    if (!m_registry.getDefaultWalletDir(folder) || !m_images.init(folder)) {
        showMessage("Cannot read Wallet Images", MB_OK | MB_ICONERROR);
        return false;
    }
    NodeTreeState::setIconIndex(&m_images);
    return true;
}

void CWalletApp::createDocumentAndFrame()
{
    if (m_frame)
        return;
    CString home;
    m_registry.getProgramDir(home);
    m_document = std::make_unique<CWalletDoc>(m_ui, m_options, m_registry);
    m_services = std::make_unique<UiServices>(
        UiServices{*m_document, m_ui, m_images, m_options, m_registry, m_choosers, m_sound, toQString(home), m_printer});
    m_frame = std::make_unique<CMainFrame>(*m_services, *this, m_frameDialogs);
}

void CWalletApp::openLastWallet()
{
    if (QFile(QString::fromStdString(toNativePath(m_lastFile))).open(QIODevice::ReadOnly)) {
        if (!openDocument(m_lastFile))
            openWallet();
        return;
    }
    if (m_dialogs.opensExistingForMissingLastFile(m_frame.get()))
        openWallet();
    else
        newWallet();
}

bool CWalletApp::openDocument(const CString& path)
{
    createDocumentAndFrame();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = m_document->openWalletFile(path);
    QApplication::restoreOverrideCursor();
    if (opened)
        m_recentFiles.add(path);
    return opened;
}

void CWalletApp::openWallet()
{
    if (const auto path = m_dialogs.chooseWalletToOpen(m_frame.get()))
        openDocument(fromNativePath(path->toStdString()));
}

void CWalletApp::newWallet()
{
    const CString startFolder = newWalletStartFolder(m_registry);
    bool strong = false;
    const auto path = askNewWalletPath(m_ui, m_frame.get(), startFolder, [this, &strong](const QString& folder) {
        return m_dialogs.chooseNewWalletFile(m_frame.get(), folder, strong);
    });
    if (!path)
        return;
    createDocumentAndFrame();
    const QString name = toQString(*path).section('\\', -1);
    const CString walletName = fromQString(name.contains('.') ? name.section('.', 0, -2) : name);
    if (m_document->createWalletFile(*path, walletName, strong ? WalletFormat::Strong : WalletFormat::Classic))
        m_recentFiles.add(*path);
}

QString CWalletApp::aboutLink()
{
    CSmartPtr<CRegistryKey> key = CRegistryKey::HK_LOCAL_MACHINE->OpenKey(m_registry.getKeyPath(), KEY_READ);
    CRegistryValue site = key->GetVals("ResellerSite");
    if (!site.IsPresent())
        return QString::fromLatin1(kMakerSite);
    return toQString(static_cast<CString>(site)).left(kResellerSiteLength);
}

bool CWalletApp::runCommand(int id)
{
    switch (id) {
    case CommandId::New:
        newWallet();
        return true;
    case CommandId::Open:
        openWallet();
        return true;
    case CommandId::PrintSetup:
        m_dialogs.printSetup(m_frame.get(), m_printer.printer());
        return true;
    case CommandId::About:
        m_dialogs.showAbout(m_frame.get(), aboutLink());
        return true;
    default:
        return false;
    }
}

std::optional<bool> CWalletApp::commandEnabled(int id)
{
    switch (id) {
    case CommandId::New:
    case CommandId::Open:
    case CommandId::About:
        return true;
    case CommandId::PrintSetup: {
        const CCategory* category = m_frame ? m_frame->selectedCategory() : nullptr;
        return category && !category->getCards().empty();
    }
    default:
        return std::nullopt;
    }
}

// The program: it reads the settings, refuses to start during a lock-out,
// loads the icon catalogue, makes the one document and its main window and
// opens the last wallet. It answers the commands New, Open, Print Setup and
// About, and owns what the windows share for the whole run.
#pragma once

#include "app/RecentFileList.h"
#include "frame/ICommandTarget.h"
#include "frame/SharedPrinter.h"
#include "frame/UiServices.h"
#include "images/ImageServer.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"

#include <memory>

class CMainFrame;
class CWalletDoc;
class IAppDialogs;
class ICardEditorChoosers;
class ICardSoundPlayer;
class IFrameDialogs;
class IUserInterface;

class CWalletApp : public ICommandTarget {
public:
    // The person's answers, the choosers and the sound player outlive the
    // application; without `frameDialogs` the main window runs the real dialogs.
    CWalletApp(IUserInterface& ui, IAppDialogs& dialogs, ICardEditorChoosers& choosers, ICardSoundPlayer& sound,
               IFrameDialogs* frameDialogs = nullptr);
    ~CWalletApp() override;
    CWalletApp(const CWalletApp&) = delete;
    CWalletApp& operator=(const CWalletApp&) = delete;

    // Start-up; false when the program is to end (the person was told why).
    // A wallet named on the command line (a ".wal" file opened from the
    // desktop) is opened in place of the last one.
    bool initInstance(const CString& namedWallet = CString());

    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

    // Opens `path` (Windows form) as the one document and records it among the recent files.
    bool openDocument(const CString& path);
    // The New command: a new wallet file in the folder the person chooses.
    void newWallet();
    // The Open command: the file-open dialog, then the document.
    void openWallet();

    CMainFrame* mainFrame() const { return m_frame.get(); }
    CWalletDoc* document() const { return m_document.get(); }
    CKeldraOptions& options() { return m_options; }
    CKeldraRegistry& registry() { return m_registry; }
    const CRecentFileList& recentFiles() const { return m_recentFiles; }
    // The about box's link: "ResellerSite" of the application key, or the maker's site.
    QString aboutLink();

private:
    bool readSettings();
    bool passLockoutCheck();
    bool loadIconCatalogue();
    void createDocumentAndFrame();
    void openLastWallet();
    void showMessage(const char* text, unsigned type);

    IUserInterface& m_ui;
    IAppDialogs& m_dialogs;
    ICardEditorChoosers& m_choosers;
    ICardSoundPlayer& m_sound;
    IFrameDialogs* m_frameDialogs;
    CImageServer m_images;
    CString m_lastFile;
    CKeldraOptions m_options;
    CKeldraRegistry m_registry;
    CRecentFileList m_recentFiles;
    CSharedPrinter m_printer;
    std::unique_ptr<CWalletDoc> m_document;
    std::unique_ptr<UiServices> m_services;
    std::unique_ptr<CMainFrame> m_frame;
};

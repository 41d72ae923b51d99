#include "ImageServer.h"

#include "IconNames.h"
#include "ImageTexts.h"
#include "zenthoLib/Base/UserInterface.h"

#include <set>

CImageServer::CImageServer(IUserInterface& ui) : m_ui(ui), m_lists(std::make_unique<Lists>(*this))
{
    m_allLoadedEvent.ResetEvent();
}

CImageServer::~CImageServer() { stopBackgroundLoading(); }

bool CImageServer::createLists()
{
    m_lists = std::make_unique<Lists>(*this);
    return m_lists->bigAll.Create(32, 32, ILC_COLORDDB | ILC_MASK, 100, 10)
        && m_lists->smallAll.Create(16, 16, ILC_COLORDDB | ILC_MASK, 100, 10)
        && m_lists->bigTypes.Create(32, 32, ILC_MASK, IconNames::kCardTypeCount, 0)
        && m_lists->smallTypes.Create(16, 16, ILC_MASK, IconNames::kCardTypeCount, 0);
}

bool CImageServer::init(const CString& baseDir)
{
    stopBackgroundLoading();
    std::lock_guard guard(m_loadLock);
    m_loader = std::make_unique<CImageLoader>(baseDir, m_ui);
    m_names.clear();
    m_counts = IconCounts{};
    m_allLoaded = false;
    m_allLoadedEvent.ResetEvent();
    if (!createLists()) {
        m_ui.messageBox(ImageTexts::kCannotCreateImageList, MB_OK | MB_ICONERROR);
        m_loader.reset();
        return false;
    }
    IconCounts counts;
    if (!m_loader->load(m_lists->bigAll, m_lists->smallAll, m_lists->bigTypes, m_lists->smallTypes, counts)) {
        m_loader.reset();
        return false;
    }
    m_counts = counts;
    const std::vector<CString>& names = m_loader->names();
    m_names.assign(names.begin(), names.begin() + m_counts.plainCount());
    return true;
}

void CImageServer::startBackgroundLoading()
{
    stopBackgroundLoading();
    m_stopWorker = false;
    m_worker = std::thread([this] { loadInBackground(); });
}

void CImageServer::stopBackgroundLoading()
{
    m_stopWorker = true;
    if (m_worker.joinable())
        m_worker.join();
}

void CImageServer::loadInBackground()
{
    // Names whose file could not be loaded: the worker goes past them, and
    // they, with their category variants, keep the missing icon.
    std::set<CString> failed;
    CAllImageList& list = m_lists->bigAll;
    const int count = list.GetImageCount();
    int cursor = 0;
    while (!m_stopWorker) {
        while (cursor < count && (list.isLoaded(cursor) || failed.count(iconName(cursor))))
            ++cursor;
        if (cursor >= count) {
            m_allLoaded = true;
            m_allLoadedEvent.SetEvent();
            return;
        }
        const CString name = iconName(cursor);
        if (!CreateIcon(name))
            failed.insert(name);
    }
}

void CImageServer::waitUntilAllLoaded()
{
    m_allLoadedEvent.Wait();
    m_allLoadedEvent.SetEvent();
}

bool CImageServer::CreateIcon(const CString& name)
{
    std::lock_guard guard(m_loadLock);
    if (!m_loader)
        return false;
    const DWORD index = m_lists->smallAll.indexOfName(name, false);
    if (index == CExtimageList::kNoImage)
        return false;
    // Another thread may have loaded it while this one waited for the lock.
    if (m_lists->smallAll.isLoaded(static_cast<int>(index)) && m_lists->bigAll.isLoaded(static_cast<int>(index)))
        return true;
    return m_loader->CreateIcon(name);
}

void CImageServer::reportImageLimit()
{
    m_ui.messageBox(FormatString(ImageTexts::kTooManyIcons, std::to_string(CExtimageList::kMaxImages).c_str()),
                    MB_OK | MB_ICONERROR);
    m_ui.requestQuit(-1);
}

int CImageServer::imageIndex(const CString& name, bool plain) const
{
    const DWORD index = m_lists->smallAll.indexOfName(name, true);
    if (index == CExtimageList::kNoImage)
        return IconNames::kMissingIconIndex;
    return plain ? static_cast<int>(index) : variantIndex(static_cast<int>(index));
}

int CImageServer::variantIndex(int index) const { return IconIndexing::variantIndex(plainCount(), index); }

const CString& CImageServer::iconName(int index) const { return IconIndexing::iconName(m_names, index); }

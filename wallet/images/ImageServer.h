// The icon catalogue: every icon the wallet can show, by name and image index,
// in a small (16x16) and a big (32x32) list of all icons and of the card-type
// icons. Icons other than the five special ones start as the missing icon and
// are loaded on demand or by a background worker.
#pragma once

#include "AllImageList.h"
#include "IconIndex.h"
#include "ImageLoader.h"
#include "NodeImageList.h"
#include "platform/AutoResetEvent.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class IUserInterface;

class CImageServer : public IIconIndex {
public:
    explicit CImageServer(IUserInterface& ui);
    ~CImageServer() override;
    CImageServer(const CImageServer&) = delete;
    CImageServer& operator=(const CImageServer&) = delete;

    // Builds the catalogue from the icon folders below the Windows-form
    // `baseDir` (ending in "\"). False, after its message, when a list cannot
    // be made, a special icon is missing or bad, or there are too many icons.
    bool init(const CString& baseDir);
    // Starts the worker that loads every icon not loaded yet; the event is set when it is done.
    void startBackgroundLoading();
    // Waits until every icon is loaded, and lets the next waiter through too.
    void waitUntilAllLoaded();
    bool allLoaded() const { return m_allLoaded.load(); }

    // Loads one registered icon and its category variant into the lists,
    // unless it is loaded already. False when the name is unknown or the load failed.
    bool CreateIcon(const CString& name);
    // Tells the user the lists are full and asks the application to quit.
    void reportImageLimit();

    // The index of `name`, loaded at once when it is not yet; see IIconIndex.
    int imageIndex(const CString& name, bool plain) const override;
    int variantIndex(int index) const override;
    const CString& iconName(int index) const override;

    CAllImageList& bigImages() { return m_lists->bigAll; }
    CAllImageList& smallImages() { return m_lists->smallAll; }
    CNodeImageList& bigTypeImages() { return m_lists->bigTypes; }
    CNodeImageList& smallTypeImages() { return m_lists->smallTypes; }
    const IconCounts& counts() const { return m_counts; }
    // N: special, card-type and custom icons.
    int plainCount() const { return m_counts.plainCount(); }

private:
    struct Lists {
        explicit Lists(CImageServer& server) : bigAll(server), smallAll(server), bigTypes(server), smallTypes(server) {}
        CAllImageList bigAll;
        CAllImageList smallAll;
        CNodeImageList bigTypes;
        CNodeImageList smallTypes;
    };

    bool createLists();
    void loadInBackground();
    void stopBackgroundLoading();

    IUserInterface& m_ui;
    CAutoResetEvent m_allLoadedEvent;
    // Looking up a name may load its icon, even for a caller that only reads.
    std::unique_ptr<Lists> m_lists;
    IconCounts m_counts;
    std::unique_ptr<CImageLoader> m_loader;
    std::vector<CString> m_names;
    std::atomic<bool> m_allLoaded{false};

    // One load of one name with the list updates that follow it at a time.
    mutable std::mutex m_loadLock;
    std::thread m_worker;
    std::atomic<bool> m_stopWorker{false};
};

// Find, Find Next and Find Prev. Find asks what to look for, lets the
// document search the whole wallet and shows the hit picked in the results
// dialog; Find Next and Find Prev step through the same hits, without
// wrapping around at either end.
#pragma once

#include "frame/ICommandTarget.h"

#include <memory>

class ISearchDialogs;
class IWalletFrame;
class SearchResult;
struct UiServices;

class CSearchCommands : public ICommandTarget {
public:
    // Without `dialogs` the commands run the real dialogs, over the frame's window.
    CSearchCommands(UiServices& services, IWalletFrame& frame, ISearchDialogs* dialogs = nullptr);
    ~CSearchCommands() override;

    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

private:
    void find();
    void step(bool forward);
    void show(SearchResult& results);
    // The result set the frame shows a hit of; null before a hit of the
    // current search was shown, and once the frame let go of it.
    SearchResult* shownResults() const;

    UiServices& m_services;
    IWalletFrame& m_frame;
    std::unique_ptr<ISearchDialogs> m_ownDialogs;
    ISearchDialogs& m_dialogs;
    // The set last handed to the frame. A new Find replaces the document's
    // set, so it is forgotten as the search starts.
    SearchResult* m_shown = nullptr;
};

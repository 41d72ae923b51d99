// What the search tests share: the main window on a wallet, and the search
// commands on it with scripted dialogs.
#pragma once

#include "uiFrame/FrameFixture.h"
#include "frame/CommandIds.h"
#include "model/SearchResult.h"
#include "search/SearchCommands.h"
#include "search/SearchDialogs.h"

#include <deque>
#include <string>
#include <vector>

// Answers the search dialogs from queues; an empty queue is Cancel.
class ScriptedSearchDialogs : public ISearchDialogs {
public:
    std::deque<SearchRequest> requests;
    std::deque<int> chosenHits;
    // The names of the hits each results dialog offered.
    std::vector<std::vector<std::string>> offered;

    std::optional<SearchRequest> askSearch() override
    {
        if (requests.empty())
            return std::nullopt;
        SearchRequest request = requests.front();
        requests.pop_front();
        return request;
    }
    std::optional<int> chooseHit(const SearchResult& results) override
    {
        std::vector<std::string> names;
        for (int i = 0; i < results.getCount(); ++i)
            names.push_back(results.getAt(i)->getName().str());
        offered.push_back(names);
        if (chosenHits.empty())
            return std::nullopt;
        const int hit = chosenHits.front();
        chosenHits.pop_front();
        return hit;
    }
};

class SearchTest : public FrameTest {
protected:
    void openSearch()
    {
        openFrame();
        commands = std::make_unique<CSearchCommands>(services, *frame, &searchDialogs);
    }
    // Runs Find on `text`; `hit` answers the results dialog (none: Cancel).
    void find(const char* text, std::optional<int> hit, bool decrypt = false)
    {
        searchDialogs.requests.push_back({QString::fromUtf8(text), false, false, decrypt});
        if (hit)
            searchDialogs.chosenHits.push_back(*hit);
        run(CommandId::Find);
    }
    void run(int id)
    {
        EXPECT_TRUE(commands->runCommand(id));
        QApplication::processEvents();
    }
    bool searchEnabled(int id) { return commands->commandEnabled(id).value_or(false); }
    std::string shownName() const { return frame->shownCard() ? frame->shownCard()->getName().str() : std::string(); }

    ScriptedSearchDialogs searchDialogs;
    std::unique_ptr<CSearchCommands> commands;
};

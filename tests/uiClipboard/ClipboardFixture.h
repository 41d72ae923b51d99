// What the clipboard and drag tests share: the main window on a wallet of
//   My Wallet: Home (Garden with the card "Seeds", the card "Bike"), Work
// with helpers to run a command on a node as its context menu would.
#pragma once

#include "uiFrame/FrameFixture.h"

#include "clipboard/ClipboardTexts.h"
#include "frame/CommandIds.h"

#include <algorithm>
#include <string>

class ClipboardTest : public FrameTest {
protected:
    static constexpr int kFreeForm = 10;

    void sampleWallet()
    {
        openFrame();
        home = &addCategory(root(), "Home");
        garden = &addCategory(*home, "Garden");
        seeds = &addCard(*garden, kFreeForm, "Seeds");
        bike = &addCard(*home, kFreeForm, "Bike");
        work = &addCategory(root(), "Work");
        reopen();
    }

    // The wallet read anew, so that every view shows it from its hint 6.
    void reopen()
    {
        doc->deleteContents();
        ASSERT_TRUE(doc->openWalletFile(walletPath()));
        QApplication::processEvents();
        home = child(root(), "Home");
        work = child(root(), "Work");
        ASSERT_TRUE(home && work);
        garden = child(*home, "Garden");
        bike = cardNamed(*home, "Bike");
        seeds = garden ? cardNamed(*garden, "Seeds") : nullptr;
    }

    CCategory& root() { return doc->getRoot(); }
    // The command `id` as the context menu of `node` runs it.
    void runOn(CNode* node, int id)
    {
        frame->setContextNode(node);
        run(id);
    }
    bool enabledOn(CNode* node, int id)
    {
        frame->setContextNode(node);
        return enabled(id);
    }
    int failureMessages() const
    {
        return static_cast<int>(std::count(ui.messages.begin(), ui.messages.end(), std::string(ClipboardTexts::kOperationFailed)));
    }

    // The first entry of a category's list with that name; null when none has it.
    template <class List> static auto named(const List& list, const char* name) -> decltype(list.front().get())
    {
        const auto found = std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry->getName() == name; });
        return found == list.end() ? nullptr : found->get();
    }
    static CCategory* child(const CCategory& parent, const char* name) { return named(parent.getSubcategories(), name); }
    static CCard* cardNamed(const CCategory& parent, const char* name) { return named(parent.getCards(), name); }
    static std::vector<std::string> names(const CCategory& category)
    {
        std::vector<std::string> all;
        for (const auto& sub : category.getSubcategories())
            all.push_back(sub->getName().str() + "/");
        for (const auto& card : category.getCards())
            all.push_back(card->getName().str());
        return all;
    }

    CCategory* home = nullptr;
    CCategory* garden = nullptr;
    CCategory* work = nullptr;
    CCard* seeds = nullptr;
    CCard* bike = nullptr;
};

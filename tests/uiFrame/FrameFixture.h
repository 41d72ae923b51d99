// What the main window's tests share: a wallet on disk with the icon
// catalogue, scripted answers for every dialog, and the main window on them.
#pragma once

#include "cardsEdit/EditorFixture.h"
#include "cards/show/CardSound.h"
#include "frame/FrameDialogs.h"
#include "frame/ICommandTarget.h"
#include "frame/MainFrame.h"
#include "frame/SharedPrinter.h"
#include "frame/UiServices.h"
#include "images/CatalogueFixture.h"
#include "model/Category.h"
#include "model/NodeTreeState.h"
#include "model/WalletDoc.h"
#include "settings/KeldraRegistry.h"
#include "support/RegistryScope.h"

#include <QApplication>

#include <deque>
#include <functional>
#include <memory>

class SilentSound : public ICardSoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};

// Answers the frame's dialogs from queues; an empty queue is Cancel.
class ScriptedFrameDialogs : public IFrameDialogs {
public:
    std::deque<int> cardTypes;
    std::vector<int> cardTypePresets;
    std::deque<std::unique_ptr<CCard>> newCards;
    std::deque<std::function<void(CCard&)>> cardEdits;
    std::deque<CategoryChoice> categoryChoices;
    std::vector<CCategory*> categoriesEdited;
    std::deque<std::function<void(CKeldraOptions&)>> optionEdits;

    std::optional<int> chooseCardType(int preset) override
    {
        cardTypePresets.push_back(preset);
        return take(cardTypes);
    }
    std::unique_ptr<CCard> createCard(int) override
    {
        if (newCards.empty())
            return nullptr;
        auto card = std::move(newCards.front());
        newCards.pop_front();
        return card;
    }
    bool editCard(CCard& card) override { return apply(cardEdits, card); }
    std::optional<CategoryChoice> editCategory(CCategory* editing) override
    {
        categoriesEdited.push_back(editing);
        return take(categoryChoices);
    }
    bool editOptions(CKeldraOptions& options) override { return apply(optionEdits, options); }

private:
    template <class T> static std::optional<T> take(std::deque<T>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
    template <class T> static bool apply(std::deque<std::function<void(T&)>>& queue, T& target)
    {
        auto edit = take(queue);
        if (!edit)
            return false;
        (*edit)(target);
        return true;
    }
};

// The end of the command chain: records what reaches it.
class RecordingTarget : public ICommandTarget {
public:
    std::vector<int> ran;
    bool runCommand(int id) override
    {
        ran.push_back(id);
        return true;
    }
    std::optional<bool> commandEnabled(int) override { return std::nullopt; }
};

class FrameTest : public CatalogueTest {
protected:
    FrameTest()
    {
        registry.Create();
        server.init(baseDir());
        NodeTreeState::setIconIndex(&server);
        NodeTreeState::setUserInterface(&ui);
    }
    ~FrameTest() override
    {
        frame.reset();
        doc.reset();
        NodeTreeState::setIconIndex(nullptr);
        NodeTreeState::setUserInterface(nullptr);
    }

    CString walletPath(const char* name = "wallet.wal") const { return fromNativePath(base.file(name)); }

    // A new wallet and the main window on it, shown.
    void openFrame()
    {
        ASSERT_TRUE(doc->createWalletFile(walletPath(), "Test"));
        makeFrame();
    }
    void makeFrame()
    {
        frame = std::make_unique<CMainFrame>(services, application, &dialogs);
        frame->show();
        QApplication::processEvents();
    }

    CCategory& addCategory(CCategory& parent, const char* name, bool encrypted = false)
    {
        auto category = std::make_unique<CCategory>(name, 1, 0, encrypted);
        CCategory* added = category.get();
        EXPECT_TRUE(doc->addCategory(parent, std::move(category)));
        return *added;
    }
    CCard& addCard(CCategory& category, int typeId, const char* name)
    {
        auto card = createCard(typeId);
        card->setName(name);
        card->setParent(&category);
        CCard* added = card.get();
        EXPECT_TRUE(doc->addCard(category, std::move(card)));
        return *added;
    }
    void run(int id)
    {
        frame->dispatch(id);
        QApplication::processEvents();
    }
    bool enabled(int id)
    {
        frame->updateCommandStates();
        return frame->commandAction(id)->isEnabled();
    }

    RegistryScope registryScope;
    CKeldraOptions options;
    CKeldraRegistry registry;
    ScriptedChoosers choosers;
    SilentSound sound;
    std::unique_ptr<CWalletDoc> doc = std::make_unique<CWalletDoc>(ui, options, registry);
    CSharedPrinter printer;
    UiServices services{*doc, ui, server, options, registry, choosers, sound, QString(), printer};
    ScriptedFrameDialogs dialogs;
    RecordingTarget application;
    std::unique_ptr<CMainFrame> frame;
};

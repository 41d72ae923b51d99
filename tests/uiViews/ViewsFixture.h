// What the view tests share: a frame double that records what the views ask
// of it and passes selections on as the main frame does, and a real wallet
// document in a temporary folder with the icon catalogue, so that every
// update hint comes from the document itself.
#pragma once

#include "cardsEdit/EditorFixture.h"
#include "images/CatalogueFixture.h"
#include "support/RegistryScope.h"

#include "cards/CardFreeForm.h"
#include "cards/CardPassword.h"
#include "cards/show/CardSound.h"
#include "frame/IWalletFrame.h"
#include "frame/SharedPrinter.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"

#include <QAbstractItemModel>

#include <memory>
#include <string>
#include <vector>

struct Selection {
    IDocumentObserver* sender;
    CCategory* category;
    CCard* card;
    CCategory* listCategory;
    bool operator==(const Selection&) const = default;
};

class RecordingFrame : public IWalletFrame {
public:
    // The views that hear of a selection, as the document's views do.
    std::vector<IDocumentObserver*> views;

    std::vector<Selection> selections;
    std::vector<CCard*> shownCards;
    std::vector<CNode*> contextNodes;
    std::vector<std::vector<std::pair<int, std::string>>> menus;
    int timerRestarts = 0;

    void select(IDocumentObserver* sender, CCategory* category, CCard* card, CCategory* listCategory) override
    {
        selections.push_back({sender, category, card, listCategory});
        for (IDocumentObserver* view : views)
            if (view != sender)
                view->onUpdate({UpdateHint::CategoryOpened, category, card, listCategory});
        m_card = card;
        m_category = category;
        m_listCategory = listCategory;
    }
    void showCard(CCard& card) override { shownCards.push_back(&card); }
    CCard* selectedCard() const override { return m_card; }
    CCategory* selectedCategory() const override { return m_category; }
    CCategory* listCategory() const override { return m_listCategory; }
    CCard* shownCard() const override { return shownCards.empty() ? nullptr : shownCards.back(); }
    void setContextNode(CNode* node) override { contextNodes.push_back(node); }
    CNode* contextNode() const override { return contextNodes.empty() ? nullptr : contextNodes.back(); }
    QAction* commandAction(int) const override { return nullptr; }
    void runContextMenu(const std::vector<std::pair<int, const char*>>& items, QPoint) override
    {
        std::vector<std::pair<int, std::string>> menu;
        for (const auto& [id, caption] : items)
            menu.emplace_back(id, caption);
        menus.push_back(menu);
    }
    void restartInactivityTimer() override { ++timerRestarts; }
    void showSearchResult(SearchResult*) override {}
    SearchResult* searchResult() const override { return nullptr; }
    bool refreshAfterDecrypting() override { return true; }

private:
    CCard* m_card = nullptr;
    CCategory* m_category = nullptr;
    CCategory* m_listCategory = nullptr;
};

class SilentPlayer : public ICardSoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};

class ViewsTest : public CatalogueTest {
protected:
    ViewsTest()
    {
        registry.Create();
        EXPECT_TRUE(server.init(baseDir()));
    }

    CString walletPath() const { return fromNativePath(folder.file("wallet.wal")); }
    void createWallet() { ASSERT_TRUE(doc->createWalletFile(walletPath(), "My Wallet")); }
    bool reopen()
    {
        doc->deleteContents();
        return doc->openWalletFile(walletPath());
    }
    CCategory& root() { return doc->getRoot(); }

    CCategory& addCategory(CCategory& parent, const char* name, bool encrypted = false)
    {
        auto category = std::make_unique<CCategory>(name, 1, 0, encrypted);
        CCategory* added = category.get();
        EXPECT_TRUE(doc->addCategory(parent, std::move(category)));
        return *added;
    }
    CCard& addCard(CCategory& category, const char* name, const char* notes = "")
    {
        auto card = std::make_unique<CCardFreeForm>(name, notes, false);
        CCard* added = card.get();
        EXPECT_TRUE(doc->addCard(category, std::move(card)));
        return *added;
    }
    CCard& addPassword(CCategory& category, const char* name)
    {
        auto card = std::make_unique<CCardPassword>(name, "", "sys", "me", "secret", "");
        CCard* added = card.get();
        EXPECT_TRUE(doc->addCard(category, std::move(card)));
        return *added;
    }
    void answerPassword(const std::string& password) { ui.passwordAnswers.push_back({true, password, password, ""}); }

    // A wallet with the password "pw" and, below the root, "Home" (holding
    // "Garden" and the cards "Alarm" and "Bike"), an encrypted "Vault" with
    // two cards, and "Work"; opened again, so that Vault's cards are sealed.
    void sampleWallet()
    {
        createWallet();
        answerPassword("pw");
        ASSERT_TRUE(doc->setPassword());
        CCategory& home = addCategory(root(), "Home");
        addCategory(home, "Garden");
        addCard(home, "Bike");
        addCard(home, "Alarm");
        CCategory& vault = addCategory(root(), "Vault", true);
        addPassword(vault, "Bank login");
        addPassword(vault, "Mail");
        addCategory(root(), "Work");
        ASSERT_TRUE(reopen());
    }

    // The sample wallet, loaded anew into `view` (a view of the document and of the frame's selections).
    template <class View> void showSampleIn(View& view, QSize size)
    {
        sampleWallet();
        frame.views.push_back(&view);
        view.resize(size);
        view.show();
        ASSERT_TRUE(reopen());
        // Opening asked for the password, which was not given.
        ui.passwordModes.clear();
    }

    static CCategory* child(CCategory& parent, const char* name)
    {
        for (const auto& sub : parent.getSubcategories())
            if (sub->getName() == name)
                return sub.get();
        return nullptr;
    }
    static CCard* cardNamed(CCategory& parent, const char* name)
    {
        for (const auto& card : parent.getCards())
            if (card->getName() == name)
                return card.get();
        return nullptr;
    }
    // The texts of the items under `parent`, in row order.
    static std::vector<std::string> rowTexts(const QAbstractItemModel& model, const QModelIndex& parent = {}, int column = 0)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < model.rowCount(parent); ++row)
            texts.push_back(model.index(row, column, parent).data().toString().toStdString());
        return texts;
    }

    RegistryScope registryScope;
    TempDir folder;
    CKeldraOptions options;
    CKeldraRegistry registry;
    ScriptedChoosers choosers;
    SilentPlayer sound;
    std::unique_ptr<CWalletDoc> doc = std::make_unique<CWalletDoc>(ui, options, registry);
    RecordingFrame frame;
    CSharedPrinter printer;
    UiServices services{*doc, ui, server, options, registry, choosers, sound, QStringLiteral("/opt/keldra"), printer};
};

#include "FrameFixture.h"

#include "frame/CommandIds.h"
#include "frame/WalletSplitter.h"
#include "views/CardView.h"
#include "views/NotesView.h"
#include "views/WalletTreeView.h"
#include "views/WalletListView.h"

#include "zenthoLib/Ui/UrlOpener.h"

#include <QAction>
#include <QTest>
#include <QMenuBar>
#include <QToolBar>

namespace {

using namespace CommandId;

struct ExpectedMenu {
    const char* title;
    std::vector<std::pair<int, const char*>> items; // id 0: a separator
};

QString captionOf(const QAction* action) { return action->isSeparator() ? QString() : action->text(); }

} // namespace

TEST_F(FrameTest, MenusAndToolbarShowTheCommandsInTheirOrder)
{
    openFrame();
    const std::vector<ExpectedMenu> expected = {
        {"&File",
         {{New, "New"}, {Open, "&Open"}, {0, ""}, {ImportFrom, "Import..."}, {ExportTo, "Export..."}, {0, ""}, {Print, "&Print..."},
          {PrintSetup, "P&rint Setup..."}, {0, ""}, {Exit, "Exit"}}},
        {"Tools", {{Export, "&Export "}, {Lock, "&Lock"}, {0, ""}, {Options, "Options ..."}, {Password, "Password ..."}, {0, ""}}},
        {"Wallet", {{Security, "Security..."}}},
        {"Edit",
         {{DeleteCategory, "Delete Category"}, {DeleteCard, "Delete Card"}, {0, ""}, {EditCategory, "Edit category"},
          {EditCard, "Edit Card"}, {0, ""}, {NewCategory, "New Category"}, {NewCard, "New Card"}, {0, ""}, {Find, "&Find"},
          {FindPrev, "Find Prev ..."}, {FindNext, "Find Next ..."}, {0, ""}}},
        {"Help", {{HelpTopics, "&Help Topics"}, {About, "About"}}},
    };
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        EXPECT_EQ(menus[m]->text(), expected[m].title);
        const QList<QAction*> items = menus[m]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[m].items.size())) << expected[m].title;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const auto& [id, caption] = expected[m].items[static_cast<std::size_t>(i)];
            EXPECT_EQ(items[i]->isSeparator(), id == 0) << expected[m].title << " " << i;
            if (id != 0) {
                EXPECT_EQ(items[i]->data().toInt(), id);
                EXPECT_EQ(captionOf(items[i]), caption);
                EXPECT_EQ(items[i], frame->commandAction(id)) << "one action per command";
            }
        }
    }
    std::vector<int> toolbar;
    for (const QAction* action : frame->findChild<QToolBar*>()->actions())
        toolbar.push_back(action->isSeparator() ? 0 : action->data().toInt());
    EXPECT_EQ(toolbar, (std::vector<int>{New, Open, 0, NewCategory, NewCard, Delete, 0, Lock, 0, Find, FindPrev, FindNext}));
}

TEST_F(FrameTest, PromptsTooltipsAndAcceleratorsComeWithTheActions)
{
    openFrame();
    struct Expected {
        int id;
        const char* prompt;
        const char* tip;
        const char* keys;
    };
    const Expected table[] = {
        {New, "Create a new document", "New", "Ctrl+N"},
        {Open, "Open an existing document", "Open", "Ctrl+O"},
        {Save, "", "", "Ctrl+S"},
        {Exit, "Quit the application; prompts to save documents", "Exit", "Ctrl+Q"},
        {Undo, "", "", "Ctrl+Z"},
        {Cut, "Cut the selection and put it on the Clipboard", "Cut", "Ctrl+X"},
        {Copy, "Copy the selection and put it on the Clipboard", "Copy", "Ctrl+C"},
        {Paste, "Insert Clipboard contents", "Paste", "Ctrl+V"},
        {NewCard, "Create New Card\\New Card", "", ""},
        {Delete, "Delete Category/Card", "Delete", ""},
        {Options, "Change Options", "", ""},
        {Lock, "Lock Wallet", "Lock", ""},
    };
    for (const Expected& row : table) {
        const QAction* action = frame->commandAction(row.id);
        ASSERT_NE(action, nullptr) << row.id;
        EXPECT_EQ(action->statusTip(), row.prompt) << row.id;
        if (*row.tip) {
            EXPECT_EQ(action->toolTip(), row.tip) << row.id;
        }
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(row.keys))) << row.id;
    }
}

TEST_F(FrameTest, TheColumnShowsTheListTheCardOrTheNotesAlone)
{
    openFrame();
    CCard& bank = addCard(doc->getRoot(), 0, "Bank");
    CCard& note = addCard(doc->getRoot(), 10, "Note");
    CWalletSplitter& column = frame->column();
    EXPECT_EQ(column.currentLayout(), CWalletSplitter::ListLayout);

    frame->select(nullptr, &doc->getRoot(), &bank, nullptr);
    EXPECT_EQ(column.currentLayout(), CWalletSplitter::CardLayout);
    EXPECT_TRUE(frame->cardView().isVisibleTo(frame.get()));
    EXPECT_TRUE(frame->notesView().isVisibleTo(frame.get()));
    EXPECT_EQ(column.sizes().at(1), CWalletSplitter::kCardViewHeight);
    CShowCardDialog* display = frame->cardView().display();
    ASSERT_NE(display, nullptr);
    frame->select(nullptr, &doc->getRoot(), &bank, nullptr);
    EXPECT_EQ(frame->cardView().display(), display) << "the same card keeps its display";

    frame->select(nullptr, &doc->getRoot(), &note, nullptr);
    EXPECT_EQ(column.currentLayout(), CWalletSplitter::NotesOnlyLayout);
    EXPECT_FALSE(frame->cardView().isVisibleTo(frame.get()));
    EXPECT_EQ(frame->shownCard(), &note);

    frame->select(nullptr, &doc->getRoot(), nullptr, nullptr);
    EXPECT_EQ(column.currentLayout(), CWalletSplitter::ListLayout);
    EXPECT_EQ(frame->shownCard(), &note) << "the list hides the card without dropping it";
}

TEST_F(FrameTest, CommandsAreEnabledBySelectionAndActiveView)
{
    openFrame();
    doc->deleteContents();
    ASSERT_TRUE(doc->openWalletFile(walletPath()));
    QApplication::processEvents();
    EXPECT_EQ(frame->selectedCategory(), &doc->getRoot()) << "an opened wallet starts at its root";
    EXPECT_EQ(frame->treeView().currentIndex(), frame->treeView().indexOf(&doc->getRoot()));
    CCategory& bank = addCategory(doc->getRoot(), "Bank");
    CCard& card = addCard(bank, 0, "Visa");

    frame->select(nullptr, &doc->getRoot(), nullptr, nullptr);
    EXPECT_TRUE(frame->treeIsActive());
    EXPECT_TRUE(enabled(NewCard));
    EXPECT_TRUE(enabled(NewCategory));
    EXPECT_TRUE(enabled(EditCategory));
    EXPECT_FALSE(enabled(DeleteCategory)) << "the root cannot be deleted";
    EXPECT_FALSE(enabled(Delete));
    EXPECT_FALSE(enabled(EditCard));
    EXPECT_TRUE(enabled(Exit));
    EXPECT_FALSE(enabled(Lock)) << "a wallet without a password has nothing to lock";
    EXPECT_FALSE(enabled(Save)) << "every edit is stored at once";

    frame->select(nullptr, &bank, &card, nullptr);
    EXPECT_TRUE(enabled(EditCard));
    EXPECT_TRUE(enabled(DeleteCard));
    EXPECT_TRUE(enabled(Delete));
    EXPECT_FALSE(enabled(EditCategory));
    EXPECT_FALSE(enabled(DeleteCategory));

    // In the card list a chosen sub-category is what the category commands act on.
    frame->select(nullptr, &doc->getRoot(), nullptr, &bank);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->listView().setFocus();
    QApplication::processEvents();
    ASSERT_FALSE(frame->treeIsActive());
    EXPECT_TRUE(enabled(DeleteCategory));
    EXPECT_EQ(frame->commandAction(EditCategory)->text(), "Edit category");
    frame->select(nullptr, &doc->getRoot(), nullptr, nullptr);
    EXPECT_FALSE(enabled(DeleteCategory));
    EXPECT_TRUE(enabled(EditCategory));
    EXPECT_EQ(frame->commandAction(EditCategory)->text(), "Edit parent category");
}

TEST_F(FrameTest, CommandsRunAlongTheChainToTheApplication)
{
    openFrame();
    for (int id : {New, Open, PrintSetup, About})
        run(id);
    EXPECT_EQ(application.ran, (std::vector<int>{New, Open, PrintSetup, About}));

    // Help Topics shows the manual page, or says that it cannot.
    std::vector<QUrl> opened;
    bool opens = true;
    const UrlOpener previous = setUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return opens;
    });
    run(HelpTopics);
    opens = false;
    run(HelpTopics);
    setUrlOpener(previous);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString(), "man:keldra(1)");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Failed to launch help."});
}

TEST_F(FrameTest, NewCardAndNewCategoryGoIntoTheSelectedCategory)
{
    openFrame();
    CCategory& bank = addCategory(doc->getRoot(), "Bank");
    bank.setDefaultCardType(7);
    frame->select(nullptr, &bank, nullptr, nullptr);

    dialogs.cardTypes.push_back(3);
    auto card = createCard(3);
    card->setName("Cheque");
    dialogs.newCards.push_back(std::move(card));
    run(NewCard);
    EXPECT_EQ(dialogs.cardTypePresets, std::vector<int>{7}) << "the chooser starts at the category's default kind";
    ASSERT_EQ(bank.getCards().size(), 1u);
    EXPECT_EQ(bank.getCards()[0]->getName(), "Cheque");

    dialogs.categoryChoices.push_back({"Savings", 2, 20, false});
    run(NewCategory);
    ASSERT_EQ(bank.getSubcategories().size(), 1u);
    const CCategory& savings = *bank.getSubcategories()[0];
    EXPECT_EQ(savings.getName(), "Savings");
    EXPECT_EQ(savings.getDefaultCardType(), 2);
    EXPECT_EQ(savings.getIconIndex(), 20);
    EXPECT_EQ(dialogs.categoriesEdited, std::vector<CCategory*>{nullptr});

    // Cancel anywhere adds nothing.
    run(NewCard);
    dialogs.cardTypes.push_back(3);
    run(NewCard);
    run(NewCategory);
    EXPECT_EQ(bank.getCards().size(), 1u);
    EXPECT_EQ(bank.getSubcategories().size(), 1u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FrameTest, EditCardAndEditCategoryStoreWhatTheDialogsChanged)
{
    openFrame();
    CCategory& bank = addCategory(doc->getRoot(), "Bank");
    CCard& card = addCard(bank, 0, "Visa");
    frame->select(nullptr, &bank, &card, nullptr);
    dialogs.cardEdits.push_back([](CCard& edited) { edited.setName("Amex"); });
    run(EditCard);
    EXPECT_EQ(card.getName(), "Amex");
    EXPECT_EQ(frame->shownCard(), &card);

    frame->select(nullptr, &bank, nullptr, nullptr);
    dialogs.categoryChoices.push_back({"Banks", 5, 9, false});
    run(EditCategory);
    EXPECT_EQ(dialogs.categoriesEdited, std::vector<CCategory*>{&bank});
    EXPECT_EQ(bank.getName(), "Banks");
    EXPECT_EQ(bank.getDefaultCardType(), 5);
    EXPECT_EQ(bank.getIconIndex(), 9);

    // What was stored comes back with the wallet.
    frame.reset();
    doc->deleteContents();
    ASSERT_TRUE(doc->openWalletFile(walletPath()));
    const CCategory& again = *doc->getRoot().getSubcategories().at(0);
    EXPECT_EQ(again.getName(), "Banks");
    EXPECT_EQ(again.getCards().at(0)->getName(), "Amex");
}

TEST_F(FrameTest, DeletesAskFirstAndReturnTheColumnToTheList)
{
    openFrame();
    CCategory& bank = addCategory(doc->getRoot(), "Bank");
    CCard& card = addCard(bank, 0, "Visa");
    frame->select(nullptr, &bank, &card, nullptr);

    ui.messageAnswers.push_back(IDNO);
    run(Delete);
    EXPECT_EQ(ui.messages.back(), "Delete 'Visa'.\n Are you sure?");
    EXPECT_EQ(bank.getCards().size(), 1u);

    ui.messageAnswers.push_back(IDYES);
    run(DeleteCard);
    EXPECT_TRUE(bank.getCards().empty());
    EXPECT_EQ(frame->selectedCard(), nullptr);
    EXPECT_EQ(frame->shownCard(), nullptr);
    EXPECT_EQ(frame->column().currentLayout(), CWalletSplitter::ListLayout);

    frame->select(nullptr, &bank, nullptr, nullptr);
    ui.messageAnswers.push_back(IDYES);
    run(Delete);
    EXPECT_EQ(ui.messages.back(), "Delete category 'Bank'. Are you sure?");
    EXPECT_TRUE(doc->getRoot().getSubcategories().empty());
    EXPECT_NE(frame->selectedCategory(), &bank) << "the frame forgets the deleted category";
}

TEST_F(FrameTest, EditsTheDocumentRefusesShowTheirMessages)
{
    ASSERT_TRUE(doc->createWalletFile(walletPath(), "Test"));
    addCategory(doc->getRoot(), "Bank");
    addCard(doc->getRoot(), 0, "Visa");
    doc->deleteContents();
    // A wallet only viewed refuses every edit.
    ASSERT_TRUE(doc->viewWalletFile(walletPath()));
    makeFrame();
    CCategory& root = doc->getRoot();
    CCategory& bank = *root.getSubcategories().at(0);
    CCard& card = *root.getCards().at(0);

    struct Case {
        int id;
        CCard* card;
        const char* message;
    };
    const Case cases[] = {
        {NewCard, nullptr, "Cant save the card"},
        {NewCategory, nullptr, "Cant save the category"},
        {EditCard, &card, "Warning!\nCannot update card in storage!"},
        {DeleteCard, &card, "Warning!\nCannot delete card in storage"},
    };
    for (const Case& c : cases) {
        frame->select(nullptr, &root, c.card, nullptr);
        dialogs.cardTypes.push_back(0);
        dialogs.newCards.push_back(createCard(0));
        dialogs.categoryChoices.push_back({"New", 0, 5, false});
        dialogs.cardEdits.push_back([](CCard&) {});
        ui.messageAnswers.push_back(IDYES);
        ui.messages.clear();
        run(c.id);
        ASSERT_FALSE(ui.messages.empty()) << c.id;
        EXPECT_EQ(ui.messages.back(), c.message);
        dialogs = ScriptedFrameDialogs();
        ui.messageAnswers.clear();
    }
    frame->select(nullptr, &bank, nullptr, nullptr);
    dialogs.categoryChoices.push_back({"Banks", 0, 5, false});
    run(EditCategory);
    EXPECT_EQ(ui.messages.back(), "Warning!\nCannot update category in storage!");
    ui.messageAnswers.push_back(IDYES);
    run(DeleteCategory);
    EXPECT_EQ(ui.messages.back(), "Warning!\nCannot delete category in storage");
}

TEST_F(FrameTest, InactivityLocksOrClosesAfterItsMinutes)
{
    options.setInactivityEnabled(true);
    options.setInactivityMinutes(2);
    ui.passwordAnswers.push_back({true, "secret", "secret", ""});
    openFrame();
    ASSERT_TRUE(doc->setPassword());
    ASSERT_TRUE(doc->isUnlocked());
    const QTimer& timer = frame->inactivityTimer();
    frame->select(nullptr, &doc->getRoot(), nullptr, nullptr);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 2 * 60000);
    EXPECT_EQ(timer.objectName(), "timer1001");

    QMetaObject::invokeMethod(const_cast<QTimer*>(&timer), "timeout");
    EXPECT_FALSE(doc->isUnlocked()) << "inactivity locks the wallet";
    EXPECT_TRUE(ui.quitRequests.empty());

    options.setInactivityCloses(true);
    QMetaObject::invokeMethod(const_cast<QTimer*>(&timer), "timeout");
    EXPECT_EQ(ui.quitRequests, std::vector<int>{0});

    options.setInactivityEnabled(false);
    frame->restartInactivityTimer();
    EXPECT_FALSE(timer.isActive());
}

TEST_F(FrameTest, LockingDropsTheOpenCardsOfEncryptedCategories)
{
    ui.passwordAnswers.push_back({true, "secret", "secret", ""});
    openFrame();
    ASSERT_TRUE(doc->setPassword());
    CCategory& sealed = addCategory(doc->getRoot(), "Sealed", true);
    CCard& card = addCard(sealed, 0, "Visa");
    frame->select(nullptr, &sealed, &card, nullptr);
    ASSERT_EQ(frame->shownCard(), &card);
    ASSERT_TRUE(enabled(Lock));

    run(Lock);
    EXPECT_FALSE(doc->isUnlocked());
    EXPECT_TRUE(sealed.getCards().empty());
    EXPECT_EQ(frame->selectedCard(), nullptr);
    EXPECT_EQ(frame->shownCard(), nullptr);
    EXPECT_EQ(frame->cardView().display(), nullptr);
    EXPECT_EQ(frame->selectedCategory(), &doc->getRoot());
    EXPECT_FALSE(enabled(Lock));
}

TEST_F(FrameTest, OptionsAreStoredOnOkAndRestartTheTimer)
{
    openFrame();
    dialogs.optionEdits.push_back([](CKeldraOptions& edited) {
        edited.setInactivityEnabled(true);
        edited.setInactivityMinutes(5);
    });
    run(Options);
    EXPECT_TRUE(frame->inactivityTimer().isActive());
    EXPECT_EQ(frame->inactivityTimer().interval(), 5 * 60000);
    CKeldraOptions stored;
    ASSERT_EQ(registry.readOptions(&stored), 0);
    EXPECT_EQ(stored.inactivityMinutes(), 5);
}

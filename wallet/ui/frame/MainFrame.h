// The one top-level window: menus, toolbar and status bar, the category tree
// beside a column of the card list, the card view and the notes view, the
// selection, the card and category commands and the inactivity timer.
#pragma once

#include "frame/ICommandTarget.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/UpdateHint.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>

#include <memory>

class CSecurityHint;
class CWalletListView;
class CWalletSplitter;
class CWalletTreeView;
class IFrameDialogs;
class QSplitter;

class CMainFrame : public QMainWindow, public IWalletFrame, public ICommandTarget, public IDocumentObserver {
    Q_OBJECT
public:
    static constexpr int kInactivityTimerId = 1001;

    // `application` answers the commands the frame, the views and the
    // document's commands leave (New, Open, Print Setup, About). Without
    // `dialogs` the frame runs the real dialogs.
    CMainFrame(UiServices& services, ICommandTarget& application, IFrameDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // --- What the views ask of the frame ---
    void select(IDocumentObserver* sender, CCategory* category, CCard* card, CCategory* listCategory) override;
    void showCard(CCard& card) override;
    CCard* selectedCard() const override { return m_selectedCard; }
    CCategory* selectedCategory() const override { return m_selectedCategory; }
    CCategory* listCategory() const override { return m_listCategory; }
    CCard* shownCard() const override { return m_shownCard; }
    void setContextNode(CNode* node) override { m_contextNode = node; }
    CNode* contextNode() const override { return m_contextNode; }
    QAction* commandAction(int id) const override { return m_actions.value(id); }
    void runContextMenu(const std::vector<std::pair<int, const char*>>& items, QPoint globalPos) override;
    void restartInactivityTimer() override;
    void showSearchResult(SearchResult* results) override;
    // The set last shown, while the document still holds it: a new search
    // replaces the document's set.
    SearchResult* searchResult() const override;
    bool refreshAfterDecrypting() override;

    // --- The command chain ---
    // Runs command `id` through the focused view, the document's commands,
    // the frame and the application, in that order.
    void dispatch(int id);
    // Asks the same chain whether each command is enabled; a command nobody
    // answers for is disabled.
    void updateCommandStates();
    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

    void onUpdate(const UpdateHint& hint) override;
    void onLocking() override;
    void onContentsDeleting() override;

    CWalletTreeView& treeView() const { return *m_tree; }
    CWalletListView& listView() const { return *m_list; }
    CCardView& cardView() const { return *m_cardView; }
    CNotesView& notesView() const { return *m_notesView; }
    CSecurityHint& securityHint() const { return *m_securityHint; }
    CWalletSplitter& column() const { return *m_column; }
    const QTimer& inactivityTimer() const { return m_inactivity; }
    // Whether the tree is the active view (the last of the views to have had the focus).
    bool treeIsActive() const;

protected:
    bool event(QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolbar();
    void createStatusBar();
    void createPanes();
    void followFocus(QWidget* now);
    void scheduleCommandUpdate();
    void titleFromDocument();
    void showManual();
    void closeFrame();
    void inactivityElapsed();

    void setSelectedCard(CCard* card);
    void setSelectedCategory(CCategory* category);
    void showCardLayout(const CCard& card);
    // Forgets the selection, the shown card and the context node that no
    // longer exist after a delete or a new tree.
    void forgetRemovedNodes(const UpdateHint& hint);
    void forgetSelection();

    // The card and category commands.
    bool requireKeyFor(CCategory& category);
    void newCard();
    void newCategory();
    void editCard();
    void editCategory();
    void deleteCard();
    void deleteCategory();
    // Delete: the selected card, else the category.
    void deleteSelection();
    CCategory* editCategoryTarget() const;
    CCategory* deleteCategoryTarget() const;
    bool canDeleteCategory() const;
    void showMessage(const char* text, unsigned type);

    UiServices& m_services;
    ICommandTarget& m_application;
    std::unique_ptr<IFrameDialogs> m_ownDialogs;
    IFrameDialogs& m_dialogs;
    // The commands the document answers for, asked in order.
    std::vector<std::unique_ptr<ICommandTarget>> m_documentCommands;
    QHash<int, QAction*> m_actions;

    QSplitter* m_outer = nullptr;
    CWalletSplitter* m_column = nullptr;
    CWalletTreeView* m_tree = nullptr;
    CWalletListView* m_list = nullptr;
    CCardView* m_cardView = nullptr;
    CNotesView* m_notesView = nullptr;
    CSecurityHint* m_securityHint = nullptr;
    QWidget* m_activeView = nullptr;

    SearchResult* m_searchResult = nullptr;
    CCard* m_shownCard = nullptr;
    CCard* m_selectedCard = nullptr;
    CCategory* m_selectedCategory = nullptr;
    CCategory* m_listCategory = nullptr;
    CNode* m_contextNode = nullptr;
    QTimer m_inactivity;
    QMetaObject::Connection m_focusFollowing;
    bool m_updateScheduled = false;
};

#include "frame/MainFrame.h"

#include "cards/show/CardDisplayFactory.h"
#include "cards/show/ShowCardDialog.h"
#include "clipboard/NodeClipboard.h"
#include "frame/CommandIds.h"
#include "frame/CommandTable.h"
#include "frame/DocumentCommands.h"
#include "frame/FrameDialogs.h"
#include "frame/LockKeyPanes.h"
#include "frame/ToolbarIcons.h"
#include "frame/WalletSplitter.h"
#include "images/qt/QtImageLists.h"
#include "importexport/ImportExportCommands.h"
#include "model/Category.h"
#include "model/SearchResult.h"
#include "model/WalletDoc.h"
#include "print/PrintCommands.h"
#include "search/SearchCommands.h"
#include "security/SecurityCommands.h"
#include "security/SecurityHint.h"
#include "settings/KeldraOptions.h"
#include "views/CardView.h"
#include "views/NotesView.h"
#include "views/WalletListView.h"
#include "views/WalletTreeView.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/QtText.h"
#include "zenthoLib/Ui/UrlOpener.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr QSize kInitialSize(680, 500);
constexpr int kTreeWidth = 200;
constexpr int kFreeFormTypeId = 10;
constexpr int kCardIconSize = 32;
const char* const kReady = "Ready";

bool containsCategory(const CCategory& tree, const CCategory* wanted)
{
    if (&tree == wanted)
        return true;
    for (const auto& sub : tree.getSubcategories())
        if (containsCategory(*sub, wanted))
            return true;
    return false;
}

} // namespace

CMainFrame::CMainFrame(UiServices& services, ICommandTarget& application, IFrameDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_application(application),
      m_ownDialogs(dialogs ? nullptr : std::make_unique<CQtFrameDialogs>(services, this)), m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
    m_documentCommands.push_back(std::make_unique<CDocumentCommands>(services, *this, m_dialogs));
    m_documentCommands.push_back(std::make_unique<CSearchCommands>(services, *this));
    m_documentCommands.push_back(std::make_unique<CPrintCommands>(services, *this));
    m_documentCommands.push_back(std::make_unique<CNodeClipboard>(services, *this));
    m_documentCommands.push_back(std::make_unique<CSecurityCommands>(services, *this));
    m_documentCommands.push_back(std::make_unique<CImportExportCommands>(services, *this));
    // The frame hears of a change before the views, so that its selection
    // never names a removed node when a view reports a new one.
    m_services.document.addObserver(this);
    resize(kInitialSize);
    createActions();
    createMenus();
    createToolbar();
    createStatusBar();
    createPanes();
    titleFromDocument();
    m_inactivity.setObjectName(QString("timer%1").arg(kInactivityTimerId));
    connect(&m_inactivity, &QTimer::timeout, this, &CMainFrame::inactivityElapsed);
    m_focusFollowing = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        followFocus(now);
        scheduleCommandUpdate();
    });
    restartInactivityTimer();
    updateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The widgets below still hand the focus around while they go.
    disconnect(m_focusFollowing);
    m_services.document.removeObserver(this);
}

void CMainFrame::createActions()
{
    for (const CommandInfo& command : commandTable()) {
        auto* action = new QAction(QString::fromLatin1(command.caption), this);
        action->setData(command.id);
        action->setObjectName(QString("command%1").arg(command.id));
        action->setStatusTip(statusPrompt(command));
        if (const QString tip = toolTipText(command); !tip.isEmpty())
            action->setToolTip(tip);
        if (command.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
        action->setIcon(toolbarIcon(command.id));
        action->setIconVisibleInMenu(false);
        connect(action, &QAction::triggered, this, [this, id = command.id] { dispatch(id); });
        addAction(action);
        m_actions.insert(command.id, action);
    }
}

void CMainFrame::createMenus()
{
    for (const MenuInfo& info : menuTable()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(info.title));
        for (int id : info.entries) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(m_actions.value(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    }
}

void CMainFrame::createToolbar()
{
    QToolBar* toolbar = addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("toolbar242"));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : toolbarTable()) {
        if (id == 0)
            toolbar->addSeparator();
        else
            toolbar->addAction(m_actions.value(id));
    }
}

void CMainFrame::createStatusBar()
{
    statusBar()->showMessage(QString::fromLatin1(kReady));
    new CLockKeyPanes(*statusBar());
}

void CMainFrame::createPanes()
{
    m_tree = new CWalletTreeView(m_services, *this);
    m_list = new CWalletListView(m_services, *this);
    m_cardView = new CCardView(m_services, *this);
    m_notesView = new CNotesView;
    m_notesView->setReadOnly(true);
    m_cardView->setNotesView(m_notesView);
    m_notesView->setCardView(m_cardView);
    m_column = new CWalletSplitter(m_list, m_cardView, m_notesView);
    m_outer = new QSplitter(Qt::Horizontal, this);
    m_outer->addWidget(m_tree);
    m_outer->addWidget(m_column);
    m_outer->setStretchFactor(1, 1);
    m_outer->setSizes({kTreeWidth, kInitialSize.width() - kTreeWidth});
    m_outer->setChildrenCollapsible(false);
    // The security hint, when it shows, stands above the panes.
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_securityHint = new CSecurityHint(m_services.document, *m_actions.value(CommandId::Security), central);
    layout->addWidget(m_securityHint);
    layout->addWidget(m_outer, 1);
    setCentralWidget(central);
    m_activeView = m_tree;
}

bool CMainFrame::event(QEvent* event)
{
    // The status bar falls back to the idle message when a prompt ends.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
        statusBar()->showMessage(QString::fromLatin1(kReady));
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::followFocus(QWidget* now)
{
    if (!now)
        return;
    const std::pair<QWidget*, QWidget*> views[] = {{m_tree, m_tree}, {m_list, m_list}, {m_cardView, m_cardView}, {m_notesView, m_cardView}};
    for (const auto& [view, active] : views)
        if (view == now || view->isAncestorOf(now))
            m_activeView = active;
}

bool CMainFrame::treeIsActive() const { return m_activeView && m_activeView != m_list; }

void CMainFrame::closeFrame() { close(); }

void CMainFrame::showManual()
{
    // The program's help is its manual page, shown by the desktop's help viewer.
    if (!openUrl(QUrl(QStringLiteral("man:keldra(1)"))))
        showMessage("Failed to launch help.", MB_OK | MB_ICONWARNING);
}

void CMainFrame::titleFromDocument()
{
    const QString path = toQString(m_services.document.getPathName());
    const QString name = path.section('\\', -1);
    setWindowTitle(name.isEmpty() ? QStringLiteral("Keldra") : name + QStringLiteral(" - Keldra"));
}

// --- The command chain ------------------------------------------------------

void CMainFrame::dispatch(int id)
{
    auto* view = dynamic_cast<ICommandTarget*>(m_activeView);
    if (view && view->runCommand(id))
        return scheduleCommandUpdate();
    for (const auto& target : m_documentCommands)
        if (target->runCommand(id))
            return scheduleCommandUpdate();
    if (!runCommand(id))
        m_application.runCommand(id);
    scheduleCommandUpdate();
}

void CMainFrame::updateCommandStates()
{
    auto* view = dynamic_cast<ICommandTarget*>(m_activeView);
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        std::optional<bool> enabled = view ? view->commandEnabled(id) : std::nullopt;
        for (auto target = m_documentCommands.cbegin(); !enabled && target != m_documentCommands.cend(); ++target)
            enabled = (*target)->commandEnabled(id);
        if (!enabled)
            enabled = commandEnabled(id);
        if (!enabled)
            enabled = m_application.commandEnabled(id);
        it.value()->setEnabled(enabled.value_or(false));
    }
}

void CMainFrame::scheduleCommandUpdate()
{
    if (m_updateScheduled)
        return;
    m_updateScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_updateScheduled = false;
        updateCommandStates();
    });
}

bool CMainFrame::runCommand(int id)
{
    using namespace CommandId;
    struct FrameCommand {
        int id;
        void (CMainFrame::*run)();
    };
    static const FrameCommand kFrameCommands[] = {
        {NewCard, &CMainFrame::newCard},         {NewCategory, &CMainFrame::newCategory},
        {EditCard, &CMainFrame::editCard},       {EditCategory, &CMainFrame::editCategory},
        {DeleteCard, &CMainFrame::deleteCard},   {DeleteCategory, &CMainFrame::deleteCategory},
        {Delete, &CMainFrame::deleteSelection},  {Exit, &CMainFrame::closeFrame},
        {HelpTopics, &CMainFrame::showManual},
    };
    for (const FrameCommand& command : kFrameCommands) {
        if (command.id != id)
            continue;
        restartInactivityTimer();
        (this->*command.run)();
        return true;
    }
    return false;
}

std::optional<bool> CMainFrame::commandEnabled(int id)
{
    using namespace CommandId;
    const bool categoryOnly = m_selectedCategory && !m_selectedCard;
    switch (id) {
    case NewCard:
    case NewCategory:
        return m_selectedCategory != nullptr;
    case EditCard:
    case DeleteCard:
        return m_selectedCard != nullptr;
    case EditCategory: {
        // The caption says which category the command edits.
        const bool parent = !treeIsActive() && !m_listCategory;
        m_actions.value(EditCategory)->setText(parent ? QStringLiteral("Edit parent category") : QStringLiteral("Edit category"));
        return treeIsActive() || !m_listCategory ? categoryOnly : true;
    }
    case DeleteCategory:
        return canDeleteCategory();
    case Delete:
        return m_selectedCard || canDeleteCategory();
    case Exit:
    case HelpTopics:
        return true;
    default:
        return std::nullopt;
    }
}

void CMainFrame::runContextMenu(const std::vector<std::pair<int, const char*>>& items, QPoint globalPos)
{
    // The menu shows the shared actions under the context menu's captions.
    struct Caption {
        QAction* action;
        QString own;
        QString context;
    };
    std::vector<Caption> captions;
    QMenu menu(this);
    for (const auto& [id, caption] : items) {
        if (id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = m_actions.value(id);
        captions.push_back({action, action->text(), QString::fromLatin1(caption)});
        menu.addAction(action);
    }
    updateCommandStates();
    for (const Caption& caption : captions)
        caption.action->setText(caption.context);
    menu.exec(globalPos);
    for (const Caption& caption : captions)
        caption.action->setText(caption.own);
    scheduleCommandUpdate();
}

// --- Selection --------------------------------------------------------------

void CMainFrame::select(IDocumentObserver* sender, CCategory* category, CCard* card, CCategory* listCategory)
{
    const UpdateHint hint{UpdateHint::CategoryOpened, category, card, listCategory};
    for (IDocumentObserver* view : {static_cast<IDocumentObserver*>(m_tree), static_cast<IDocumentObserver*>(m_list),
                                    static_cast<IDocumentObserver*>(m_cardView)})
        if (view != sender)
            view->onUpdate(hint);
    setSelectedCard(card);
    setSelectedCategory(category);
    m_listCategory = listCategory;
    scheduleCommandUpdate();
}

void CMainFrame::setSelectedCard(CCard* card)
{
    restartInactivityTimer();
    m_selectedCard = card;
    if (card)
        showCard(*card);
    else
        m_column->setWalletLayout(CWalletSplitter::ListLayout, m_outer->height());
}

void CMainFrame::setSelectedCategory(CCategory* category)
{
    restartInactivityTimer();
    if (category != m_selectedCategory && !m_selectedCard)
        m_column->setWalletLayout(CWalletSplitter::ListLayout, m_outer->height());
    m_selectedCategory = category;
}

void CMainFrame::showSearchResult(SearchResult* results)
{
    if (results)
        m_searchResult = results;
    if (CCard* hit = searchResult() ? m_searchResult->getCurrent() : nullptr)
        select(nullptr, hit->getParent(), hit, nullptr);
}

SearchResult* CMainFrame::searchResult() const
{
    return m_searchResult && m_searchResult == m_services.document.getSearchResult() ? m_searchResult : nullptr;
}

bool CMainFrame::refreshAfterDecrypting() { return m_tree->refreshAfterDecrypting(); }

void CMainFrame::showCard(CCard& card)
{
    if (&card == m_shownCard) {
        if (m_column->currentLayout() == CWalletSplitter::ListLayout)
            showCardLayout(card);
        return;
    }
    m_shownCard = &card;
    showCardLayout(card);
    CShowCardDialog* display = createCardDisplay(card, m_services.sound, fromQString(m_services.programDir), nullptr);
    if (display)
        display->setIcon(nodeIcon(m_services.images, card).pixmap(kCardIconSize, kCardIconSize));
    m_cardView->showDisplay(display, &card);
}

void CMainFrame::showCardLayout(const CCard& card)
{
    const auto layout = card.getTypeId() == kFreeFormTypeId ? CWalletSplitter::NotesOnlyLayout : CWalletSplitter::CardLayout;
    m_column->setWalletLayout(layout, m_outer->height());
}

// --- Following the document -------------------------------------------------

void CMainFrame::onUpdate(const UpdateHint& hint)
{
    forgetRemovedNodes(hint);
    if (hint.kind == UpdateHint::TreeLoaded) {
        titleFromDocument();
        // A new tree starts with its root selected, once every view has it.
        QTimer::singleShot(0, this, [this] {
            if (!m_selectedCategory)
                select(nullptr, &m_services.document.getRoot(), nullptr, nullptr);
        });
    }
    scheduleCommandUpdate();
}

void CMainFrame::forgetRemovedNodes(const UpdateHint& hint)
{
    CCategory& root = m_services.document.getRoot();
    switch (hint.kind) {
    case UpdateHint::CardDeleted:
        // The hits point at cards: after a delete they may name one that is gone.
        m_searchResult = nullptr;
        if (m_selectedCard == hint.first)
            m_selectedCard = nullptr;
        if (m_shownCard == hint.first)
            m_shownCard = nullptr;
        if (m_contextNode == hint.first)
            m_contextNode = nullptr;
        break;
    case UpdateHint::CategoryDeleted:
        // The category went with its subtree: whatever lay in it is gone.
        m_searchResult = nullptr;
        if (!containsCategory(root, m_selectedCategory)) {
            m_selectedCategory = nullptr;
            m_selectedCard = nullptr;
        }
        if (!containsCategory(root, m_listCategory))
            m_listCategory = nullptr;
        if (m_shownCard && !m_selectedCard) {
            m_shownCard = nullptr;
            m_cardView->showDisplay(nullptr, nullptr);
        }
        m_contextNode = nullptr;
        break;
    case UpdateHint::TreeLoaded:
        forgetSelection();
        break;
    default:
        break;
    }
}

void CMainFrame::onContentsDeleting()
{
    forgetSelection();
    // An open that fails leaves no wallet: the title follows once the document is done.
    QTimer::singleShot(0, this, &CMainFrame::titleFromDocument);
}

void CMainFrame::forgetSelection()
{
    m_searchResult = nullptr;
    m_selectedCard = nullptr;
    m_shownCard = nullptr;
    m_selectedCategory = nullptr;
    m_listCategory = nullptr;
    m_contextNode = nullptr;
    m_cardView->showDisplay(nullptr, nullptr);
    m_column->setWalletLayout(CWalletSplitter::ListLayout, m_outer->height());
}

void CMainFrame::onLocking()
{
    // The cards of encrypted categories are sealed and deleted: the
    // selection goes back to the root, as the tree's does.
    forgetSelection();
    m_selectedCategory = &m_services.document.getRoot();
    scheduleCommandUpdate();
}

// --- Inactivity -------------------------------------------------------------

void CMainFrame::restartInactivityTimer()
{
    m_inactivity.stop();
    if (m_services.options.inactivityEnabled())
        m_inactivity.start(m_services.options.inactivityMinutes() * 60000);
}

void CMainFrame::inactivityElapsed()
{
    if (!m_services.options.inactivityEnabled())
        return;
    if (m_services.options.inactivityCloses())
        m_services.ui.requestQuit(0);
    else {
        m_services.document.lock();
        select(nullptr, &m_services.document.getRoot(), nullptr, nullptr);
    }
}

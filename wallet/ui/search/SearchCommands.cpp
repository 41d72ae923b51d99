#include "search/SearchCommands.h"

#include "frame/CommandIds.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/SearchResult.h"
#include "model/WalletDoc.h"
#include "search/SearchDialogs.h"
#include "zenthoLib/Ui/QtText.h"

#include <QWidget>

CSearchCommands::CSearchCommands(UiServices& services, IWalletFrame& frame, ISearchDialogs* dialogs)
    : m_services(services), m_frame(frame),
      m_ownDialogs(dialogs ? nullptr : std::make_unique<CQtSearchDialogs>(services, dynamic_cast<QWidget*>(&frame))),
      m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
}

CSearchCommands::~CSearchCommands() = default;

bool CSearchCommands::runCommand(int id)
{
    switch (id) {
    case CommandId::Find:
        m_frame.restartInactivityTimer();
        find();
        return true;
    case CommandId::FindNext:
    case CommandId::FindPrev:
        m_frame.restartInactivityTimer();
        step(id == CommandId::FindNext);
        return true;
    default:
        return false;
    }
}

std::optional<bool> CSearchCommands::commandEnabled(int id)
{
    switch (id) {
    case CommandId::Find:
        return m_frame.selectedCategory() != nullptr;
    case CommandId::FindNext: {
        const SearchResult* results = shownResults();
        return results && !results->isLast();
    }
    case CommandId::FindPrev: {
        const SearchResult* results = shownResults();
        return results && !results->isFirst();
    }
    default:
        return std::nullopt;
    }
}

SearchResult* CSearchCommands::shownResults() const
{
    // The frame drops its set when nodes are deleted, a tree is loaded or the wallet locked.
    return m_shown && m_frame.searchResult() == m_shown ? m_shown : nullptr;
}

void CSearchCommands::find()
{
    m_shown = nullptr;
    const std::optional<SearchRequest> request = m_dialogs.askSearch();
    if (!request)
        return;
    CWalletDoc& document = m_services.document;
    const bool found = document.search(fromQString(request->text), request->includeHidden, request->caseSensitive, request->decryptCategories);
    if (request->decryptCategories) {
        // Each opened category was announced as if selected: the tree shows
        // the cards now open, and the views go back to the frame's selection.
        m_frame.refreshAfterDecrypting();
        m_frame.select(nullptr, m_frame.selectedCategory(), m_frame.selectedCard(), m_frame.listCategory());
    }
    SearchResult* results = document.getSearchResult();
    if (!found || !results)
        return;
    if (const std::optional<int> chosen = m_dialogs.chooseHit(*results)) {
        results->setIndex(*chosen);
        show(*results);
    }
}

void CSearchCommands::step(bool forward)
{
    SearchResult* results = shownResults();
    if (!results || (forward ? results->isLast() : results->isFirst()))
        return;
    forward ? results->next() : results->prev();
    show(*results);
}

void CSearchCommands::show(SearchResult& results)
{
    m_shown = &results;
    m_frame.showSearchResult(&results);
}

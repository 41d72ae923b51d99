#include "search/SearchDialogs.h"

#include "frame/UiServices.h"
#include "search/SearchResultsDlg.h"
#include "search/TextSearch.h"

std::optional<SearchRequest> CQtSearchDialogs::askSearch()
{
    CTextSearch dialog(m_services.document, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

std::optional<int> CQtSearchDialogs::chooseHit(const SearchResult& results)
{
    CSearchResultsDlg dialog(m_services.images, results, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedIndex();
}

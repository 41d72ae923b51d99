// The dialogs of the search commands: the Search dialog and the results
// dialog. The program runs the real dialogs; tests answer from a script, so
// no modal loop runs.
#pragma once

#include "search/SearchRequest.h"

#include <optional>

class QWidget;
class SearchResult;
struct UiServices;

class ISearchDialogs {
public:
    virtual ~ISearchDialogs() = default;

    // What to look for; none on Cancel.
    virtual std::optional<SearchRequest> askSearch() = 0;
    // The index of the hit chosen among `results`; none on Cancel.
    virtual std::optional<int> chooseHit(const SearchResult& results) = 0;
};

class CQtSearchDialogs : public ISearchDialogs {
public:
    CQtSearchDialogs(UiServices& services, QWidget* parent) : m_services(services), m_parent(parent) {}

    std::optional<SearchRequest> askSearch() override;
    std::optional<int> chooseHit(const SearchResult& results) override;

private:
    UiServices& m_services;
    QWidget* m_parent;
};

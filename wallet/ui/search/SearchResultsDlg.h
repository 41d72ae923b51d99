// The results dialog: one row per hit ("Card" with its icon, "Category"),
// the first row selected. OK, or a double click on a row, gives the index
// of the selected hit.
#pragma once

#include <QDialog>

class CImageServer;
class QTreeView;
class SearchResult;
class SearchResultsModel;

class CSearchResultsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListId = 1046;

    // The result set and the catalogue outlive the dialog.
    CSearchResultsDlg(CImageServer& images, const SearchResult& results, QWidget* parent = nullptr);

    int selectedIndex() const { return m_selected; }
    const QTreeView& list() const { return *m_list; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // "Card" takes two thirds of the list's width, "Category" the rest.
    void fitColumns();

    SearchResultsModel* m_model;
    QTreeView* m_list;
    int m_selected = 0;
};

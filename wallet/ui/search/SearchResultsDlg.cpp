#include "search/SearchResultsDlg.h"

#include "cards/edit/ControlId.h"
#include "dialogs/DialogButtons.h"
#include "images/ImageServer.h"
#include "model/Card.h"
#include "model/SearchResult.h"
#include "search/SearchResultsModel.h"
#include "search/SearchTexts.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr QSize kListSize(240, 260);
constexpr int kIconSize = 16;

} // namespace

CSearchResultsDlg::CSearchResultsDlg(CImageServer& images, const SearchResult& results, QWidget* parent)
    : QDialog(parent), m_model(new SearchResultsModel(images, results, this))
{
    setWindowTitle(QString::fromLatin1(SearchTexts::kResultsCaption));
    // The background loader may not have reached the icons of the hits yet.
    for (int i = 0; i < results.getCount(); ++i)
        images.CreateIcon(images.iconName(results.getAt(i)->getIconIndex()));
    m_list = named(new QTreeView(this), kListId);
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setIconSize(QSize(kIconSize, kIconSize));
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->setFixedSize(kListSize);
    m_list->setCurrentIndex(m_model->index(0, SearchResultsModel::CardColumn));
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            m_selected = current.row();
    });
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_list);
    layout->addLayout(okCancelRow(*this));
    m_list->setFocus();
    gDialogFixer.fixDialog(this);
    fitColumns();
}

void CSearchResultsDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitColumns();
}

void CSearchResultsDlg::fitColumns()
{
    const int width = m_list->viewport()->width();
    m_list->setColumnWidth(SearchResultsModel::CardColumn, width * 2 / 3);
    m_list->setColumnWidth(SearchResultsModel::CategoryColumn, width - width * 2 / 3);
}

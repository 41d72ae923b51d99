#include "SelectIconDlg.h"

#include "QtImageLists.h"
#include "images/IconNames.h"
#include "images/ImageServer.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CSelectIconDlg::CSelectIconDlg(CImageServer& server, QWidget* parent) : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Select Icon"));
    server.waitUntilAllLoaded();

    m_list->setObjectName(QStringLiteral("id%1").arg(kListId));
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(32, 32));
    m_list->setGridSize(QSize(44, 44));
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_first = static_cast<int>(server.counts().standard);
    const int end = m_first + IconNames::kCardTypeCount + static_cast<int>(server.counts().custom);
    for (int index = m_first; index < end; ++index)
        new QListWidgetItem(QIcon(listPixmap(server.bigImages(), index)), QString(), m_list);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CSelectIconDlg::takeSelection);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("id2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    // Room for seven columns and four rows: the 27 card-type icons show without scrolling.
    resize(410, 320);

    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_list->setFocus();
    gDialogFixer.fixDialog(this);
}

void CSelectIconDlg::takeSelection()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    int first = m_list->row(selected.front());
    for (const QListWidgetItem* item : selected)
        first = std::min(first, m_list->row(item));
    m_result = m_first + first;
}

#include "SelectCardDlg.h"

#include "ControlId.h"
#include "EditorTexts.h"
#include "cards/CardTypeTable.h"
#include "images/ImageServer.h"
#include "images/qt/QtImageLists.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CSelectCardDlg::CSelectCardDlg(CImageServer& images, int typeId, QWidget* parent) : QDialog(parent), m_typeId(typeId)
{
    setWindowTitle(QString::fromLatin1(EditorTexts::kSelectCardCaption));
    m_list = named(new QListWidget(this), kListId);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setIconSize(QSize(16, 16));
    m_list->setMinimumSize(260, 27 * m_list->fontMetrics().lineSpacing() / 2);

    // The loader changes the icons until it is done; the wait lets later waiters through too.
    images.waitUntilAllLoaded();
    for (int id = 0; id < IconNames::kCardTypeCount; ++id)
        m_list->addItem(new QListWidgetItem(cardTypeIcon(images, id), QString::fromLatin1(cardTypeRow(id).displayName)));
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_typeId = row;
    });
    if (QListWidgetItem* preselected = m_list->item(typeId)) {
        m_list->setCurrentItem(preselected);
        m_list->scrollToItem(preselected);
    }
    m_list->setFocus();

    auto* buttons = new QDialogButtonBox(this);
    named(buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole), 1);
    named(buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    // The fixer shrinks the size the list and the buttons ask for.
    adjustSize();
    gDialogFixer.fixDialog(this);
}

#include "CardSheet.h"

#include "CardKindPage.h"
#include "CardMedia.h"
#include "CardProperties.h"
#include "ControlId.h"
#include "EditorTexts.h"
#include "cards/FieldCard.h"
#include "zenthoLib/Ui/DialogFixer.h"
#include "zenthoLib/Ui/QtText.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

CCardSheet::CCardSheet(int typeId, IUserInterface& ui, ICardEditorChoosers& choosers, const QString& programDir, QWidget* parent)
    : CCardSheet(nullptr, typeId, ui, choosers, programDir, parent)
{
}

CCardSheet::CCardSheet(CCard& card, IUserInterface& ui, ICardEditorChoosers& choosers, const QString& programDir, QWidget* parent)
    : CCardSheet(&card, card.getTypeId(), ui, choosers, programDir, parent)
{
}

CCardSheet::CCardSheet(CCard* card, int typeId, IUserInterface& ui, ICardEditorChoosers& choosers, const QString& programDir,
                       QWidget* parent)
    : QDialog(parent), m_card(card), m_typeId(typeId), m_ui(ui)
{
    setWindowTitle(card ? QString::fromLatin1(EditorTexts::kEditCaptionPrefix) + toQString(card->getName())
                        : QString::fromLatin1(EditorTexts::kCreateCaption));
    m_tabs = new QTabWidget(this);
    // The sheet's own OK and Cancel; there is no Apply and no Help.
    auto* buttons = new QDialogButtonBox(this);
    named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), 1);
    named(buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCardSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCardSheet::reject);
    // The fixer gives the sheet the dialog font before the pages are made, so
    // that every page control takes that font and each page sizes itself for it.
    gDialogFixer.fixDialog(this);

    m_kindPage = new CCardKindPage(typeId, dynamic_cast<CFieldCard*>(card), m_tabs);
    m_properties = new CCardProperties(card, typeId, m_kindPage->hasHiddenFields(), choosers, m_tabs);
    m_media = new CCardMedia(card, choosers, programDir, m_tabs);
    m_tabs->addTab(m_kindPage, m_kindPage->caption());
    m_tabs->addTab(m_properties, QStringLiteral("Properties"));
    m_tabs->addTab(m_media, QStringLiteral("Media"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    widenForTabs();
}

CCardSheet::~CCardSheet() = default;

void CCardSheet::widenForTabs()
{
    // Every tab caption fits in one row: the tabs' widths plus 100 plus
    // 10 x n x (n - 1) for n tabs, or the page width plus 30 when that is more.
    const int tabCount = m_tabs->count();
    int tabsWidth = 0;
    QSize page;
    for (int i = 0; i < tabCount; ++i) {
        tabsWidth += m_tabs->tabBar()->tabRect(i).width();
        page = page.expandedTo(m_tabs->widget(i)->size());
    }
    const int needed = tabsWidth + 100 + 10 * tabCount * (tabCount - 1);
    setMinimumWidth(needed);
    // The sheet opens big enough for its largest page; a smaller sheet scrolls the pages.
    const int buttonsHeight = findChild<QDialogButtonBox*>()->sizeHint().height();
    resize(std::max(needed, page.width() + 30), page.height() + m_tabs->tabBar()->sizeHint().height() + buttonsHeight + 40);
}

void CCardSheet::accept()
{
    if (!m_kindPage->confirm(m_ui)) {
        m_tabs->setCurrentWidget(m_kindPage);
        return;
    }
    CCard* card = m_card;
    if (!card) {
        m_newCard = m_kindPage->takeNewCard();
        card = m_newCard.get();
    }
    m_properties->applyTo(*card);
    m_media->applyTo(*card);
    QDialog::accept();
}

std::unique_ptr<CCard> CCardSheet::takeNewCard() { return std::move(m_newCard); }

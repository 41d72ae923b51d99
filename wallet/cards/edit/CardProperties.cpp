#include "CardProperties.h"

#include "ControlId.h"
#include "EditorChoosers.h"
#include "model/Card.h"
#include "zenthoLib/Ui/ColorRef.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kCreditCardTypeId = 7;

void paintSwatch(QLabel* swatch, COLORREF color)
{
    swatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray;").arg(toQColor(color).name()));
}

} // namespace

CCardProperties::CCardProperties(const CCard* card, int typeId, bool hasHiddenFields, ICardEditorChoosers& choosers, QWidget* parent)
    : QWidget(parent),
      m_choosers(choosers),
      m_hasHiddenFields(hasHiddenFields),
      m_cardColor(card ? card->getCardColor() : CCard::kWhite),
      m_textColor(card ? card->getTextColor() : CCard::kBlack)
{
    auto* page = new QVBoxLayout(this);

    auto* colours = new QGroupBox(QStringLiteral("Colors"), this);
    auto* colourGrid = new QGridLayout(colours);
    auto* cardColorButton = named(new QPushButton(QStringLiteral("Card Color"), colours), kCardColorId);
    auto* textColorButton = named(new QPushButton(QStringLiteral("Text Color"), colours), kTextColorId);
    m_cardSwatch = new QLabel(colours);
    m_textSwatch = new QLabel(colours);
    for (QLabel* swatch : {m_cardSwatch, m_textSwatch})
        swatch->setFixedSize(48, 20);
    colourGrid->addWidget(cardColorButton, 0, 0);
    colourGrid->addWidget(m_cardSwatch, 0, 1);
    colourGrid->addWidget(textColorButton, 1, 0);
    colourGrid->addWidget(m_textSwatch, 1, 1);
    colourGrid->setColumnStretch(2, 1);
    page->addWidget(colours);
    paintSwatch(m_cardSwatch, m_cardColor);
    paintSwatch(m_textSwatch, m_textColor);
    connect(cardColorButton, &QPushButton::clicked, this, [this] { chooseColor(m_cardColor, m_cardSwatch); });
    connect(textColorButton, &QPushButton::clicked, this, [this] { chooseColor(m_textColor, m_textSwatch); });

    m_border = named(new QCheckBox(QStringLiteral("Border"), this), kBorderId);
    m_showIcon = named(new QCheckBox(QStringLiteral("Show Icon"), this), kShowIconId);
    page->addWidget(m_border);
    page->addWidget(m_showIcon);

    auto* hiddens = named(new QGroupBox(QStringLiteral("Hiddens"), this), kHiddensId);
    auto* hiddenButtons = new QHBoxLayout(hiddens);
    auto* show = named(new QRadioButton(QStringLiteral("Show"), hiddens), kShowId);
    m_hide = named(new QRadioButton(QStringLiteral("Hide"), hiddens), kHideId);
    hiddenButtons->addWidget(show);
    hiddenButtons->addWidget(m_hide);
    hiddenButtons->addStretch(1);
    page->addWidget(hiddens);
    page->addStretch(1);

    m_border->setChecked(card ? card->getBorder() : true);
    m_showIcon->setChecked(card ? card->getShowIcon() : true);
    // The credit card shows its maker's picture in place of the icon.
    m_showIcon->setEnabled(!(card && typeId == kCreditCardTypeId));
    const bool hide = !card || card->getHiddenMode() == CCard::kHideHidden;
    (hasHiddenFields && hide ? m_hide : show)->setChecked(true);
    hiddens->setEnabled(hasHiddenFields);
    show->setEnabled(hasHiddenFields);
    m_hide->setEnabled(hasHiddenFields);
}

void CCardProperties::chooseColor(COLORREF& color, QLabel* swatch)
{
    if (const std::optional<QColor> chosen = m_choosers.chooseColor(this, toQColor(color))) {
        color = toColorRef(*chosen);
        paintSwatch(swatch, color);
    }
}

void CCardProperties::applyTo(CCard& card) const
{
    card.setCardColor(m_cardColor);
    card.setTextColor(m_textColor);
    card.setBorder(m_border->isChecked());
    card.setShowIcon(m_showIcon->isChecked());
    if (m_hasHiddenFields)
        card.setHiddenMode(m_hide->isChecked() ? CCard::kHideHidden : CCard::kShowHidden);
}

#include "CardCreditCardShow.h"

#include "cards/CardCreditCard.h"
#include "zenthoLib/Ui/FontSetup.h"
#include "zenthoLib/Ui/QtText.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {

using Card = CCardCreditCard;

// What the kind draws by code of its own; the table only gives the PIN switch.
constexpr CardDisplayLayout kLayout = {7, {}, kPinCaptions};

struct MakerPicture {
    const char* resource;
    QPoint place;
};

// One picture per maker, in the order of the card-type list after its empty entry.
constexpr MakerPicture kMakerPictures[] = {
    {":/cards/american-express.png", {130, 10}},
    {":/cards/dinners-club.png", {132, 15}},
    {":/cards/discover.png", {105, 8}},
    {":/cards/mastercard.png", {120, 8}},
    {":/cards/switch.png", {140, 12}},
    {":/cards/visa.png", {120, 8}},
};
static_assert(std::size(kMakerPictures) + 1 == std::size(Card::kCardTypes));

constexpr int kLeft = 15;
constexpr int kProviderTop = 10;
constexpr int kProviderRight = 215;
constexpr int kNumberTop = 73;
constexpr int kExpiresTop = 100;
constexpr int kNameTop = 125;
constexpr int kLostCardTop = 160;
// The PIN and its switch have the line below the number to call if the card is lost.
constexpr QPoint kPinPlace(15, 189);
constexpr int kTextRight = 230;
constexpr int kPictureGap = 5;
constexpr const char* kLostCardLabel = "Call this number if card is lost:";

} // namespace

CCardCreditCardShow::CCardCreditCardShow(CCardCreditCard& card, ICardSoundPlayer& sound, const CString& programDir, QWidget* parent)
    : CShowCardDialog(card, kLayout, sound, programDir, parent), m_creditCard(card), m_lostCardFont(windowsFont("Areal", 12, 400))
{
    loadMakerPicture(toQString(card.getCardType()));
}

void CCardCreditCardShow::loadMakerPicture(const QString& cardType)
{
    m_makerType = cardType;
    m_makerPicture = QImage();
    // The type is compared exactly: a maker typed in other letters draws no picture.
    const auto* const makers = std::begin(Card::kCardTypes) + 1;
    const auto found = std::find_if(makers, std::end(Card::kCardTypes), [&](const char* maker) { return cardType == QLatin1String(maker); });
    if (found == std::end(Card::kCardTypes))
        return;
    const MakerPicture& picture = kMakerPictures[found - makers];
    m_makerPicture.load(picture.resource);
    m_makerPlace = picture.place;
}

void CCardCreditCardShow::drawContents(QPainter& painter, const QRect& cardRect)
{
    const QString cardType = toQString(m_creditCard.getCardType());
    if (cardType != m_makerType)
        loadMakerPicture(cardType);
    const QPoint origin = cardRect.topLeft();
    const bool drawsPicture = !printMode() && !m_makerPicture.isNull();
    if (drawsPicture)
        painter.drawImage(origin + m_makerPlace, m_makerPicture);

    // The provider stops short of the maker picture so that neither hides the other.
    const int providerRight = drawsPicture ? std::min(kProviderRight, m_makerPlace.x() - kPictureGap) : kProviderRight;
    const int titleHeight = QFontMetrics(fonts().title, painter.device()).height();
    drawText(painter, QRect(origin + QPoint(kLeft, kProviderTop), QSize(providerRight - kLeft, titleHeight)), fonts().title,
             toQString(m_creditCard.getCardProvider()));
    drawCentred(painter, cardRect, origin.y() + kNumberTop, fonts().bigTitle, toQString(m_creditCard.getCardNumber()));
    drawRow(painter, origin.y() + kExpiresTop, origin.x() + kLeft, cardRect.right() - kLeft, "Expires : ",
            toQString(m_creditCard.getExpires()));
    drawText(painter, QRect(origin + QPoint(kLeft, kNameTop), QSize(kTextRight - kLeft, titleHeight)), fonts().title,
             toQString(m_creditCard.getNameOnCard()));
    drawHidden(painter, cardRect, origin + kPinPlace, toQString(m_creditCard.getPin()));
    drawLostCardRow(painter, cardRect);
}

void CCardCreditCardShow::drawLostCardRow(QPainter& painter, const QRect& cardRect)
{
    const QString number = toQString(m_creditCard.getLostCardNumber());
    if (number.isEmpty())
        return;
    const int left = cardRect.left() + kLeft;
    const int right = cardRect.left() + kTextRight;
    const int top = cardRect.top() + kLostCardTop;
    const QFontMetrics metrics(m_lostCardFont, painter.device());
    if (metrics.horizontalAdvance(kLostCardLabel) + kValueGap + metrics.horizontalAdvance(number) <= right - left) {
        drawRow(painter, top, left, right, kLostCardLabel, number, m_lostCardFont, m_lostCardFont);
        return;
    }
    // A number that does not fit beside the label goes on the line below it, whole.
    drawText(painter, QRect(left, top, right - left, metrics.height()), m_lostCardFont, kLostCardLabel);
    drawText(painter, QRect(left, top + metrics.height(), cardRect.right() - kLeft - left, metrics.height()), m_lostCardFont, number);
}

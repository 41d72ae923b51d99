// The display of a credit card: the card-maker picture chosen by the card
// type, the provider, the number in large type, the expiry, the name on the
// card, the PIN behind its switch and the number to call if the card is lost,
// each at its own place on the card.
#pragma once

#include "ShowCardDialog.h"

class CCardCreditCard;

class CCardCreditCardShow : public CShowCardDialog {
    Q_OBJECT

public:
    CCardCreditCardShow(CCardCreditCard& card, ICardSoundPlayer& sound, const CString& programDir, QWidget* parent = nullptr);

protected:
    void drawContents(QPainter& painter, const QRect& cardRect) override;

private:
    void loadMakerPicture(const QString& cardType);
    // The number to call if the card is lost, beside its label or below it when it does not fit there.
    void drawLostCardRow(QPainter& painter, const QRect& cardRect);

    CCardCreditCard& m_creditCard;
    // The card type the maker picture was chosen for, and the picture with its place on the card.
    QString m_makerType;
    QImage m_makerPicture;
    QPoint m_makerPlace;
    QFont m_lostCardFont;
};

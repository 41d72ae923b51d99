// The page of a card's kind, built from the kind's page table: it fills its
// controls from a card (or with a new card's defaults), checks the name and
// hands the values to the card on confirmation.
#pragma once

#include "CardDialog.h"
#include "KindPageTable.h"
#include "passwords/PasswordGenerator.h"

#include <memory>
#include <optional>
#include <vector>

class CCard;
class CFieldCard;
class IUserInterface;
class QComboBox;
class QGridLayout;
class QRadioButton;

class CCardKindPage : public CCardDialog {
    Q_OBJECT
public:
    // Edits `card`, or, without one, a new card of `typeId`.
    CCardKindPage(int typeId, CFieldCard* card, QWidget* parent = nullptr);
    ~CCardKindPage() override;

    QString caption() const;
    // Bank account, calling card, combination lock, credit card, password and web site.
    bool hasHiddenFields() const;

    // Refuses a blank name with the user's message; otherwise the card takes
    // every value (a new card is made first).
    bool confirm(IUserInterface& ui);
    // The card made by the last confirmation in create mode (null otherwise).
    std::unique_ptr<CCard> takeNewCard();

private:
    struct Bound {
        const PageControl* control;
        QWidget* widget;
        // The "Small" button of the font choice.
        QRadioButton* smallFont = nullptr;
    };

    void build();
    QWidget* makeControl(const PageControl& control, Bound& bound);
    // What the Generate button beside the control makes, when its field holds a password or a PIN.
    std::optional<PasswordRules> secretRules(const PageControl& control) const;
    void fill(const CFieldCard& from, bool isNew);
    void fillList(QComboBox& list, const PageControl& control, const CFieldCard& from, bool isNew) const;
    void writeTo(CFieldCard& card) const;
    QString nameText() const;

    int typeId;
    const KindPage& table;
    CFieldCard* edited;
    // In create mode: a card with the new-card settings that takes the values on confirmation.
    std::unique_ptr<CFieldCard> fresh;
    bool freshConfirmed = false;
    std::vector<Bound> bound;
};

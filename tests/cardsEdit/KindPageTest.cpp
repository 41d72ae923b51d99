#include "EditorFixture.h"

#include "cards/CardKinds.h"
#include "cards/edit/CardKindPage.h"
#include "cards/edit/KindPageTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Every stored value of a card, with its name and notes.
std::vector<std::string> snapshot(const CFieldCard& card)
{
    std::vector<std::string> values{card.getName().str(), card.getNotes().str()};
    for (int field = 0; field < card.fieldCount(); ++field)
        values.push_back(card.fieldText(field).str());
    return values;
}

// Fields the page has no control for: the enumeration indexes (worked out by the card) and the software's support info.
bool editedOnPage(const CFieldCard& card, int field)
{
    if (field == card.getKind().enumeration.indexField)
        return false;
    return !(card.getTypeId() == 23 && field == CCardSoftwareSerialNumber::SupportInfo);
}

} // namespace

TEST(KindPage, EveryKindFillsFromACardAndHandsBackTheSameValues)
{
    ScriptedUserInterface ui;
    for (int typeId = 0; typeId < 27; ++typeId) {
        SCOPED_TRACE(typeId);
        std::unique_ptr<CFieldCard> card = filledCard(typeId);
        const std::vector<std::string> before = snapshot(*card);
        CCardKindPage page(typeId, card.get());
        EXPECT_NE(control<QLineEdit>(page, kNameControlId), nullptr);
        EXPECT_NE(control<QPlainTextEdit>(page, kNotesControlId), nullptr);
        for (int field = 0; field < card->fieldCount(); ++field) {
            const bool fontChoice = card->fieldType(field) == FieldType::Boolean;
            if (editedOnPage(*card, field)) {
                EXPECT_NE(control<QWidget>(page, fontChoice ? kSmallFontControlId : kFieldControlBase + field), nullptr) << field;
            }
        }
        ASSERT_TRUE(page.confirm(ui));
        EXPECT_TRUE(page.lastConfirmationSucceeded());
        EXPECT_EQ(snapshot(*card), before);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST(KindPage, ANewCardStartsWithTheDefaultNameAndTakesTheValuesOnConfirmation)
{
    ScriptedUserInterface ui;
    CCardKindPage page(18, nullptr);
    EXPECT_EQ(control<QLineEdit>(page, kNameControlId)->text(), "Passport Info");
    EXPECT_EQ(control<QComboBox>(page, kFieldControlBase + CCardPassportInfo::Sex)->currentText(), "Male");
    control<QLineEdit>(page, kFieldControlBase + CCardPassportInfo::Surname)->setText("Lindqvist");
    ASSERT_TRUE(page.confirm(ui));
    std::unique_ptr<CCard> made = page.takeNewCard();
    ASSERT_NE(made, nullptr);
    const auto& passport = dynamic_cast<const CCardPassportInfo&>(*made);
    EXPECT_EQ(passport.getName(), "Passport Info");
    EXPECT_EQ(passport.getSurname(), "Lindqvist");
    EXPECT_EQ(passport.getSex(), "Male");
}

TEST(KindPage, LimitsHoldWhileTyping)
{
    struct Case {
        int typeId;
        int field;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {0, CCardBankAccount::Pin, "12345", "1234"},
        {2, CCardCalling::Pin, "123456", "1234"},
        {7, CCardCreditCard::Pin, "12345678", "123456"},
        {3, CCardCarInfo::Year, "19a9x7", "1997"},
        {18, CCardPassportInfo::Type, "PX", "P"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        CCardKindPage page(c.typeId, nullptr);
        QLineEdit* edit = control<QLineEdit>(page, kFieldControlBase + c.field);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.kept));
    }
    CCardKindPage software(23, nullptr);
    auto* notes = control<QPlainTextEdit>(software, kNotesControlId);
    QTest::keyClicks(notes, QString(40, u'n'));
    EXPECT_EQ(notes->toPlainText().size(), 30);
}

TEST(KindPage, EditableListsOfferTheCardsOwnText)
{
    struct Case {
        int typeId;
        int field;
        const char* text;
        std::vector<QString> entries;
    };
    const QString makers[] = {"American Express", "Dinner's Club", "Discover", "MasterCard", "Switch", "VISA"};
    std::vector<QString> creditGold{"", "Gold"};
    creditGold.insert(creditGold.end(), std::begin(makers), std::end(makers));
    std::vector<QString> creditListed{""};
    creditListed.insert(creditListed.end(), std::begin(makers), std::end(makers));
    const Case cases[] = {
        {7, CCardCreditCard::CardType, "Gold", creditGold},
        {7, CCardCreditCard::CardType, "visa", creditListed},
        {14, CCardInsurancePolicy::Type, "Boat", {"", "Boat", "Auto", "Health", "Home", "Liability", "Life"}},
        {0, CCardBankAccount::AccountType, "Pension", {"Pension", "401K", "Brokerage", "Checking", "Chequing", "IRA", "Money Market", "Saving"}},
        {0, CCardBankAccount::AccountType, "IRA", {"", "401K", "Brokerage", "Checking", "Chequing", "IRA", "Money Market", "Saving"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::unique_ptr<CFieldCard> card = filledCard(c.typeId);
        card->setText(c.field, c.text);
        card->applyEditRules();
        CCardKindPage page(c.typeId, card.get());
        auto* list = control<QComboBox>(page, kFieldControlBase + c.field);
        std::vector<QString> entries;
        for (int i = 0; i < list->count(); ++i)
            entries.push_back(list->itemText(i));
        EXPECT_EQ(entries, c.entries);
        EXPECT_EQ(list->currentText(), QString::fromLatin1(c.text));
    }
    CCardKindPage fresh(7, nullptr);
    EXPECT_EQ(control<QComboBox>(fresh, kFieldControlBase + CCardCreditCard::CardType)->currentIndex(), 0);
}

TEST(KindPage, LensValuesAreReadAsTheirLeadingNumber)
{
    ScriptedUserInterface ui;
    std::unique_ptr<CFieldCard> card = filledCard(15);
    CCardKindPage page(15, card.get());
    const std::pair<int, const char*> typed[] = {
        {CCardLensPrescription::LeftPower, "-2x"}, {CCardLensPrescription::RightPower, "abc"}, {CCardLensPrescription::PupilDistance, " 62"}};
    for (const auto& [field, text] : typed)
        control<QLineEdit>(page, kFieldControlBase + field)->setText(QString::fromLatin1(text));
    control<QComboBox>(page, kFieldControlBase + CCardLensPrescription::LensType)->setCurrentIndex(0);
    ASSERT_TRUE(page.confirm(ui));
    const auto& lens = dynamic_cast<const CCardLensPrescription&>(*card);
    EXPECT_EQ(lens.getLeftEye().power, -2);
    EXPECT_EQ(lens.getRightEye().power, 0);
    EXPECT_EQ(lens.getPupilDistance(), 62);
    EXPECT_EQ(lens.getLensType(), 0);
}

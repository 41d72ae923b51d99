#include "EditorFixture.h"

#include "cards/CardKinds.h"
#include "cards/edit/CardKindPage.h"
#include "cards/edit/KindPageTable.h"
#include "cards/edit/SecretFieldRow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

struct SecretCase {
    int typeId;
    int field;
    // What a generated secret must be: its length and whether only digits.
    int length;
    bool digitsOnly;
};

// The Bank Account's PIN takes 4 digits, the Web Site's password 20 characters of every class.
const SecretCase kSecretCases[] = {
    {0, CCardBankAccount::Pin, 4, true},
    {26, CCardWebSite::Password, 20, false},
};

} // namespace

TEST(SecretField, GenerateFillsTheFieldAsItsKindWantsAndTheStrengthFollowsTheText)
{
    ScriptedUserInterface ui;
    for (const SecretCase& secret : kSecretCases) {
        SCOPED_TRACE(secret.typeId);
        std::unique_ptr<CFieldCard> card = filledCard(secret.typeId);
        CCardKindPage page(secret.typeId, card.get());
        auto* edit = control<QLineEdit>(page, kFieldControlBase + secret.field);
        auto* generate = control<QPushButton>(page, kGenerateControlBase + secret.field);
        auto* strength = control<QLabel>(page, kStrengthControlBase + secret.field);
        ASSERT_TRUE(edit && generate && strength);
        EXPECT_EQ(generate->text(), "Generate");
        EXPECT_EQ(strength->text(), CSecretFieldRow::strengthText(edit->text()));

        std::set<QString> made;
        for (int round = 0; round < 20; ++round) {
            QTest::mouseClick(generate, Qt::LeftButton);
            const QString value = edit->text();
            made.insert(value);
            EXPECT_EQ(value.size(), secret.length);
            bool digits = true, letters = false;
            for (const QChar c : value) {
                digits = digits && c.isDigit();
                letters = letters || c.isLetter();
            }
            EXPECT_EQ(digits, secret.digitsOnly) << value.toStdString();
            EXPECT_EQ(letters, !secret.digitsOnly) << value.toStdString();
            EXPECT_EQ(strength->text(), CSecretFieldRow::strengthText(value));
        }
        // Twenty draws of even a 4-digit PIN do not all come out the same.
        EXPECT_GT(made.size(), 1u);

        // The strength follows what the user types, and is blank for an empty field.
        edit->clear();
        EXPECT_EQ(strength->text(), "");
        QTest::keyClicks(edit, "ab12");
        // 4 characters of digits and small letters: 4 x log2(36).
        EXPECT_EQ(strength->text(), "Strength: 20 bits");

        // The generated value is what the card takes.
        QTest::mouseClick(generate, Qt::LeftButton);
        const QString generated = edit->text();
        ASSERT_TRUE(page.confirm(ui));
        EXPECT_EQ(card->text(secret.field).str(), generated.toStdString());
    }
}

TEST(SecretField, OnlyPasswordAndPinFieldsHaveTheButton)
{
    std::unique_ptr<CFieldCard> card = filledCard(0);
    CCardKindPage page(0, card.get());
    EXPECT_EQ(page.findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^id13[0-4][0-9]$"))).size(), 1);
    EXPECT_EQ(control<QPushButton>(page, kGenerateControlBase + CCardBankAccount::AccountNumber), nullptr);
}

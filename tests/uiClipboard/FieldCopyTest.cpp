// Copying one field of the shown card to the system clipboard: the entries
// of the card display's menu, the secret mark, the clearing after 30
// seconds, on locking and never a value of a sealed card.
#include "ClipboardFixture.h"

#include "cards/CardCreditCard.h"
#include "cards/CardPassword.h"
#include "clipboard/CardFieldCopies.h"
#include "clipboard/CardFieldMenu.h"
#include "clipboard/SecretClipboard.h"
#include "views/CardView.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace {

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

using Copies = std::vector<std::pair<std::string, std::string>>;

Copies copiesOf(const CCard& card)
{
    Copies all;
    for (const FieldCopy& copy : cardFieldCopies(card))
        all.emplace_back(copy.caption.toStdString(), copy.value.toStdString());
    return all;
}

TEST(CardFieldCopies, OneEntryPerFieldThatHoldsAValueUnderItsLabel)
{
    const CCardCreditCard card("Visa", "notes", "4111 1111", "Bank", "", "12/29", "J DOE", "", "1234");
    EXPECT_EQ(copiesOf(card), (Copies{{"Copy Card Provider", "Bank"},
                                      {"Copy Card Number", "4111 1111"},
                                      {"Copy Expires", "12/29"},
                                      {"Copy Pin", "1234"},
                                      {"Copy Name On Card", "J DOE"}}));
    const CCardPassword password("Mail", "", "", "me", "s3cret", "");
    const Copies copies = copiesOf(password);
    EXPECT_NE(std::find(copies.begin(), copies.end(), std::pair<std::string, std::string>{"Copy Password", "s3cret"}), copies.end());
}

class FieldCopyTest : public ClipboardTest {
protected:
    ~FieldCopyTest() override { QGuiApplication::clipboard()->clear(); }

    // Chooses the menu entry `caption` of the card's menu.
    bool copyField(CCardFieldMenu& fields, const CCard& card, const char* caption)
    {
        QMenu menu;
        fields.fill(menu, card);
        for (QAction* action : menu.actions())
            if (action->text() == QLatin1String(caption)) {
                action->trigger();
                return true;
            }
        return false;
    }
    static void expire(CSecretClipboard& clipboard)
    {
        clipboard.clearTimer().setInterval(1);
        clipboard.clearTimer().start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !clipboard.clearTimer().isActive(); }));
    }
};

TEST_F(FieldCopyTest, TheValueIsMarkedSecretAndGoesAfterThirtySeconds)
{
    openFrame();
    CCardFieldMenu fields(*doc);
    const CCardCreditCard card("Visa", "", "4111 1111", "Bank", "", "", "", "", "1234");
    ASSERT_TRUE(copyField(fields, card, "Copy Pin"));
    EXPECT_EQ(clipboardText(), QStringLiteral("1234"));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(QString::fromLatin1(ClipboardTexts::kPasswordHintFormat)), QByteArray("secret"));
    const QTimer& timer = fields.clipboard().clearTimer();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(timer.isSingleShot());
    EXPECT_EQ(timer.interval(), 30000);
    expire(fields.clipboard());
    EXPECT_TRUE(clipboardText().isEmpty());
}

TEST_F(FieldCopyTest, SomethingCopiedMeanwhileStays)
{
    openFrame();
    CCardFieldMenu fields(*doc);
    const CCardCreditCard card("Visa", "", "4111 1111", "", "", "", "", "", "");
    ASSERT_TRUE(copyField(fields, card, "Copy Card Number"));
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    expire(fields.clipboard());
    EXPECT_EQ(clipboardText(), QStringLiteral("copied elsewhere"));
    // A lock does not touch it either.
    fields.clipboard().clear();
    EXPECT_EQ(clipboardText(), QStringLiteral("copied elsewhere"));
}

TEST_F(FieldCopyTest, LockingTheWalletTakesTheValueAwayAtOnce)
{
    openFrame();
    ui.passwordAnswers.push_back({true, "pw", "pw", ""});
    ASSERT_TRUE(doc->setPassword());
    CCategory& vault = addCategory(root(), "Vault", true);
    auto owned = std::make_unique<CCardPassword>("Mail", "", "sys", "me", "s3cret", "");
    CCard* card = owned.get();
    ASSERT_TRUE(doc->addCard(vault, std::move(owned)));
    frame->select(nullptr, &vault, card, nullptr);
    QApplication::processEvents();
    CCardView& view = frame->cardView();
    ASSERT_EQ(view.card(), card);
    ASSERT_TRUE(copyField(view.fieldMenu(), *card, "Copy Password"));
    EXPECT_EQ(clipboardText(), QStringLiteral("s3cret"));

    run(CommandId::Lock);
    EXPECT_TRUE(clipboardText().isEmpty());
    EXPECT_FALSE(view.fieldMenu().clipboard().clearTimer().isActive());
}

TEST_F(FieldCopyTest, NothingOfACardOfALockedCategory)
{
    openFrame();
    ui.passwordAnswers.push_back({true, "pw", "pw", ""});
    ASSERT_TRUE(doc->setPassword());
    doc->lock();
    CCategory vault("Vault", 1, 0, true);
    auto card = std::make_unique<CCardPassword>("Mail", "", "sys", "me", "s3cret", "");
    card->setParent(&vault);
    CCardFieldMenu fields(*doc);
    QMenu menu;
    fields.fill(menu, *card);
    EXPECT_TRUE(menu.isEmpty());
}

} // namespace

#include "SearchFixture.h"

#include "search/SearchResultsDlg.h"
#include "search/SearchResultsModel.h"
#include "search/TextSearch.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

constexpr int kPasswordKind = 19;

template <class Widget> Widget* control(QWidget& dialog, int id)
{
    return dialog.findChild<Widget*>(QStringLiteral("id%1").arg(id));
}

// Every label and button shows its whole text.
void expectNoClippedText(QWidget& dialog)
{
    for (const auto* button : dialog.findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    for (const auto* label : dialog.findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
}

void savePicture(QWidget& dialog, const char* name)
{
    if (const QByteArray folder = qgetenv("KELDRA_SHOTS"); !folder.isEmpty())
        dialog.grab().save(QString::fromLocal8Bit(folder) + '/' + name);
}

class TextSearchTest : public SearchTest {
protected:
    TextSearchTest() { rememberedSearchText() = {}; }
    ~TextSearchTest() override { rememberedSearchText() = {}; }
};

TEST_F(TextSearchTest, ControlsCarryTheirIdsAndTexts)
{
    openSearch();
    CTextSearch dialog(*doc);
    EXPECT_EQ(dialog.windowTitle(), "Search");
    const struct {
        int id;
        const char* text;
    } boxes[] = {{1165, "Search in Hidden Fields"}, {1148, "Case Sensitive"}, {1177, "Decrypt Categories"}};
    for (const auto& box : boxes) {
        auto* check = control<QCheckBox>(dialog, box.id);
        ASSERT_NE(check, nullptr) << box.id;
        EXPECT_EQ(check->text(), box.text);
        EXPECT_FALSE(check->isChecked());
    }
    ASSERT_NE(control<QLineEdit>(dialog, 1000), nullptr);
    EXPECT_TRUE(control<QLineEdit>(dialog, 1000)->text().isEmpty());
    EXPECT_EQ(control<QPushButton>(dialog, 1)->text(), "OK");
    EXPECT_EQ(control<QPushButton>(dialog, 2)->text(), "Cancel");
    ASSERT_NE(dialog.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Search For:");
    dialog.show();
    QApplication::processEvents();
    expectNoClippedText(dialog);
    savePicture(dialog, "search.png");
}

TEST_F(TextSearchTest, OkRemembersTheTextCutAt39CharactersForTheNextSearch)
{
    openSearch();
    const QString forty = QString(39, 'a') + 'b';
    const struct {
        QString typed;
        QString remembered;
    } cases[] = {
        {"bank", "bank"},
        {forty, QString(39, 'a')},
        // A character outside the basic plane is never cut in half.
        {QString(38, 'a') + QString::fromUtf8("\xF0\x9F\x94\x91") + 'c', QString(38, 'a')},
        {"", ""},
    };
    for (const auto& c : cases) {
        CTextSearch dialog(*doc);
        control<QLineEdit>(dialog, 1000)->setText(c.typed);
        control<QCheckBox>(dialog, 1148)->setChecked(true);
        EXPECT_EQ(dialog.request().text, c.typed) << "the search itself takes the whole text";
        EXPECT_TRUE(dialog.request().caseSensitive);
        dialog.accept();
        EXPECT_TRUE(rememberedSearchText().remembered);
        EXPECT_EQ(rememberedSearchText().text, c.remembered);
        CTextSearch next(*doc);
        EXPECT_EQ(control<QLineEdit>(next, 1000)->text(), c.remembered);
        EXPECT_FALSE(control<QCheckBox>(next, 1148)->isChecked()) << "the boxes start cleared";
    }
    CTextSearch cancelled(*doc);
    control<QLineEdit>(cancelled, 1000)->setText("other");
    cancelled.reject();
    EXPECT_EQ(rememberedSearchText().text, "");
}

TEST_F(TextSearchTest, DecryptCategoriesAsksForThePasswordAndARefusalClearsIt)
{
    openSearch();
    ui.passwordAnswers.push_back({true, "pw", "pw", ""});
    ASSERT_TRUE(doc->setPassword());
    doc->lock();
    CTextSearch dialog(*doc);
    auto* decrypt = control<QCheckBox>(dialog, 1177);

    ui.passwordAnswers.push_back({false, "", "", ""});
    decrypt->click();
    EXPECT_FALSE(decrypt->isChecked());
    EXPECT_EQ(ui.passwordModes.size(), 2u);

    ui.passwordAnswers.push_back({true, "pw", "", ""});
    decrypt->click();
    EXPECT_TRUE(decrypt->isChecked());
    EXPECT_TRUE(doc->isUnlocked());
    EXPECT_TRUE(dialog.request().decryptCategories);

    decrypt->click();
    EXPECT_FALSE(decrypt->isChecked());
    decrypt->click();
    EXPECT_TRUE(decrypt->isChecked());
    EXPECT_EQ(ui.passwordModes.size(), 3u) << "the held key is not asked for again";
}

class SearchResultsDlgTest : public SearchTest {
protected:
    void fill()
    {
        openSearch();
        CCategory& travel = addCategory(doc->getRoot(), "Travel");
        addCard(doc->getRoot(), kPasswordKind, "Home router");
        addCard(travel, kPasswordKind, "Hotel wifi with a rather long name");
        addCard(travel, 4, "Hotel contact");
        results.add(doc->getRoot().getCards()[0].get());
        for (const auto& card : travel.getCards())
            results.add(card.get());
    }
    SearchResult results;
};

TEST_F(SearchResultsDlgTest, RowsShowCardAndCategoryInTwoColumnsWithTheFirstSelected)
{
    fill();
    CSearchResultsDlg dialog(server, results);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), "Search Results");
    const QTreeView& list = dialog.list();
    EXPECT_EQ(list.objectName(), "id1046");
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
    const QAbstractItemModel& model = *list.model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Card");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Category");
    const std::vector<std::pair<const char*, const char*>> rows = {
        {"Home router", "Test"}, {"Hotel contact", "Travel"}, {"Hotel wifi with a rather long name", "Travel"}};
    ASSERT_EQ(model.rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(model.index(row, 0).data().toString(), rows[row].first);
        EXPECT_EQ(model.index(row, 1).data().toString(), rows[row].second);
        EXPECT_FALSE(model.index(row, 0).data(Qt::DecorationRole).value<QIcon>().isNull()) << "the card's icon";
        EXPECT_FALSE(model.index(row, 1).data(Qt::DecorationRole).isValid());
    }
    const int width = list.viewport()->width();
    EXPECT_NEAR(list.columnWidth(0), width * 2 / 3, 1);
    EXPECT_NEAR(list.columnWidth(1), width / 3, 1);
    EXPECT_EQ(list.currentIndex().row(), 0);
    EXPECT_TRUE(list.selectionModel()->isRowSelected(0, {}));
    EXPECT_EQ(dialog.selectedIndex(), 0);
    EXPECT_EQ(list.iconSize(), QSize(16, 16));
    expectNoClippedText(dialog);
    savePicture(dialog, "results.png");
}

TEST_F(SearchResultsDlgTest, SelectingARowPicksItsHitAndADoubleClickConfirms)
{
    fill();
    CSearchResultsDlg dialog(server, results);
    dialog.show();
    QApplication::processEvents();
    auto* list = const_cast<QTreeView*>(&dialog.list());
    const QRect third = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(dialog.selectedIndex(), 2);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(dialog.selectedIndex(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    const QRect first = list->visualRect(list->model()->index(0, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedIndex(), 0);
}

} // namespace

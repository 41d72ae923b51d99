#include "dialogs/CreateCategoryDlg.h"

#include "DialogControl.h"
#include "images/CatalogueFixture.h"

#include "cards/edit/EditorChoosers.h"
#include "cards/show/CardSound.h"
#include "frame/SharedPrinter.h"
#include "frame/UiServices.h"
#include "images/qt/QtImageLists.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"
#include "support/RegistryScope.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <deque>
#include <memory>

namespace {

class SilentPlayer : public ICardSoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};

class ScriptedChoosers : public ICategoryChoosers {
public:
    std::deque<std::optional<int>> cardTypes;
    std::deque<std::optional<int>> icons;
    std::vector<int> offeredTypes;

    std::optional<int> chooseCardType(QWidget*, int current) override
    {
        offeredTypes.push_back(current);
        return next(cardTypes);
    }
    std::optional<int> chooseIcon(QWidget*) override { return next(icons); }

private:
    static std::optional<int> next(std::deque<std::optional<int>>& answers)
    {
        const std::optional<int> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A wallet file and the icon catalogue behind the dialog's services.
class CreateCategoryDlgTest : public CatalogueTest {
protected:
    CreateCategoryDlgTest()
    {
        registry.Create();
        EXPECT_TRUE(server.init(baseDir()));
        EXPECT_TRUE(doc.createWalletFile(fromNativePath(walletDir.file("w.wal")), "My Wallet"));
    }

    std::unique_ptr<CCreateCategoryDlg> dialog(CCategory* editing)
    {
        auto dlg = std::make_unique<CCreateCategoryDlg>(services, editing);
        dlg->setChoosers(choosers);
        return dlg;
    }
    template <class Control> static Control& control(CCreateCategoryDlg& dlg, int id) { return controlOf<Control>(dlg, id); }
    static QCheckBox& encryptBox(CCreateCategoryDlg& dlg) { return control<QCheckBox>(dlg, 1165); }
    CCategory& addCategory(const char* name, int typeId, int icon, bool encrypted)
    {
        auto category = std::make_unique<CCategory>(name, icon, typeId, encrypted);
        CCategory* added = category.get();
        EXPECT_TRUE(doc.addCategory(doc.getRoot(), std::move(category)));
        return *added;
    }
    static QImage shown(const QLabel& picture) { return picture.pixmap().toImage(); }
    QImage iconImage(const QIcon& icon) const { return icon.pixmap(32, 32).toImage(); }

    RegistryScope registryScope;
    TempDir walletDir;
    CKeldraOptions options;
    CKeldraRegistry registry;
    CWalletDoc doc{ui, options, registry};
    CQtEditorChoosers editorChoosers;
    SilentPlayer sound;
    CSharedPrinter printer;
    UiServices services{doc, ui, server, options, registry, editorChoosers, sound, QString(), printer};
    ScriptedChoosers choosers;
};

TEST_F(CreateCategoryDlgTest, CreatingStartsFromCardTypeZeroWithItsIconAndDrawsBoth)
{
    auto dlg = dialog(nullptr);
    EXPECT_EQ(dlg->windowTitle(), "Create category");
    const struct {
        int id;
        const char* text;
    } texts[] = {{1172, "Default Card:"}, {1173, "Category Icon:"}};
    for (const auto& t : texts)
        EXPECT_EQ(control<QLabel>(*dlg, t.id).text(), t.text);
    const struct {
        int id;
        const char* text;
    } buttons[] = {{1014, "Change"}, {1013, "Change"}, {1165, "Encrypt"}, {1, "Ok"}, {2, "Cancel"}};
    for (const auto& b : buttons)
        EXPECT_EQ(control<QAbstractButton>(*dlg, b.id).text(), b.text);
    EXPECT_TRUE(control<QLineEdit>(*dlg, 1000).text().isEmpty());

    EXPECT_EQ(dlg->defaultCardType(), 0);
    EXPECT_EQ(dlg->iconIndex(), server.variantIndex(IconNames::cardTypeIconIndex(0)));
    EXPECT_NE(dlg->iconIndex(), IconNames::cardTypeIconIndex(0)) << "a category keeps the variant";
    EXPECT_FALSE(dlg->encrypt());
    EXPECT_TRUE(encryptBox(*dlg).isEnabled());
    EXPECT_EQ(shown(dlg->cardTypePicture()), iconImage(cardTypeIcon(server, 0)));
    EXPECT_EQ(shown(dlg->iconPicture()), iconImage(catalogueIcon(server, dlg->iconIndex())));
    // The icons are loaded for the dialog, whatever the background loader has reached.
    const QImage missing = iconImage(catalogueIcon(server, IconNames::kMissingIconIndex));
    EXPECT_NE(shown(dlg->cardTypePicture()), missing);
    EXPECT_NE(shown(dlg->iconPicture()), missing);
}

TEST_F(CreateCategoryDlgTest, TheChoosersChangeTheCardTypeAndTheIconAndCancelKeepsThem)
{
    auto dlg = dialog(nullptr);
    choosers.cardTypes = {7, std::nullopt};
    choosers.icons = {IconNames::cardTypeIconIndex(19), std::nullopt};
    for (int click = 0; click < 2; ++click) {
        control<QAbstractButton>(*dlg, 1014).click();
        control<QAbstractButton>(*dlg, 1013).click();
        EXPECT_EQ(dlg->defaultCardType(), 7) << click;
        EXPECT_EQ(dlg->iconIndex(), server.variantIndex(IconNames::cardTypeIconIndex(19))) << click;
        EXPECT_EQ(shown(dlg->cardTypePicture()), iconImage(cardTypeIcon(server, 7))) << click;
        EXPECT_EQ(shown(dlg->iconPicture()), iconImage(catalogueIcon(server, dlg->iconIndex()))) << click;
    }
    EXPECT_EQ(choosers.offeredTypes, (std::vector<int>{0, 7}));
    EXPECT_NE(shown(dlg->cardTypePicture()), iconImage(cardTypeIcon(server, 0)));
}

TEST_F(CreateCategoryDlgTest, EditingShowsTheCategoryAndKeepsItsIconAsItIs)
{
    const int stored = server.variantIndex(IconNames::cardTypeIconIndex(12));
    CCategory& banks = addCategory("Banks", 7, stored, false);
    auto dlg = dialog(&banks);
    EXPECT_EQ(dlg->windowTitle(), "Edit category");
    EXPECT_EQ(control<QLineEdit>(*dlg, 1000).text(), "Banks");
    EXPECT_EQ(dlg->name(), "Banks");
    EXPECT_EQ(dlg->defaultCardType(), 7);
    EXPECT_EQ(dlg->iconIndex(), stored);
    EXPECT_TRUE(encryptBox(*dlg).isEnabled());

    // The root shows the wallet icon, which has no variant, and cannot be encrypted.
    doc.getRoot().setIconIndex(IconNames::kWalletIndex);
    auto root = dialog(&doc.getRoot());
    EXPECT_EQ(root->iconIndex(), IconNames::kWalletIndex);
    EXPECT_FALSE(encryptBox(*root).isEnabled());
}

TEST_F(CreateCategoryDlgTest, OkTrimsTheNameAndRefusesAnEmptyOne)
{
    const struct {
        const char* typed;
        const char* name; // null: refused
    } cases[] = {{"  Bank  ", "Bank"}, {"\tTravel plans\n", "Travel plans"}, {"", nullptr}, {"   ", nullptr}};
    for (const auto& c : cases) {
        ui.messages.clear();
        auto dlg = dialog(nullptr);
        dlg->show();
        control<QLineEdit>(*dlg, 1000).setText(c.typed);
        control<QAbstractButton>(*dlg, 1).click();
        if (c.name) {
            EXPECT_EQ(dlg->result(), QDialog::Accepted) << c.typed;
            EXPECT_EQ(dlg->name(), c.name);
            EXPECT_TRUE(ui.messages.empty());
        } else {
            EXPECT_TRUE(dlg->isVisible()) << c.typed;
            EXPECT_EQ(ui.messages, std::vector<std::string>{"Category name can not be empty string"});
        }
    }
}

TEST_F(CreateCategoryDlgTest, EncryptNeedsAFirstPasswordAndIsClearedWhenItIsRefused)
{
    auto dlg = dialog(nullptr);
    encryptBox(*dlg).click();
    EXPECT_FALSE(dlg->encrypt()) << "the password was not given";
    EXPECT_EQ(ui.passwordModes, std::vector<PasswordMode>{PasswordMode::Set});

    ui.passwordAnswers.push_back({true, "pw", "pw", ""});
    encryptBox(*dlg).click();
    EXPECT_TRUE(dlg->encrypt());
    EXPECT_TRUE(doc.hasPassword());
    EXPECT_TRUE(doc.isUnlocked());
}

TEST_F(CreateCategoryDlgTest, EndingEncryptionNeedsTheKeyAndIsSetAgainWhenItIsRefused)
{
    ui.passwordAnswers.push_back({true, "pw", "pw", ""});
    ASSERT_TRUE(doc.setPassword());
    CCategory& vault = addCategory("Vault", 19, server.variantIndex(IconNames::cardTypeIconIndex(19)), true);
    doc.lock();
    ui.passwordModes.clear();

    auto dlg = dialog(&vault);
    ASSERT_TRUE(dlg->encrypt());
    encryptBox(*dlg).click();
    EXPECT_TRUE(dlg->encrypt()) << "no password was given";
    ui.passwordAnswers.push_back({true, "wrong", "", ""});
    encryptBox(*dlg).click();
    EXPECT_TRUE(dlg->encrypt()) << "a wrong password";
    ui.passwordAnswers.push_back({true, "pw", "", ""});
    encryptBox(*dlg).click();
    EXPECT_FALSE(dlg->encrypt());
    EXPECT_EQ(ui.passwordModes, std::vector<PasswordMode>(3, PasswordMode::Enter));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Password is incorrect!"});
}

} // namespace

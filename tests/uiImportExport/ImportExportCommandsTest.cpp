#include "uiFrame/FrameFixture.h"

#include "frame/CommandIds.h"
#include "importexport/ImportExportCommands.h"
#include "importexport/ImportExportDialogs.h"
#include "interchange/ImportFile.h"
#include "interchange/ImportIntoWallet.h"
#include "cards/CardKinds.h"
#include "cards/FieldCard.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

namespace {

using Interchange::Format;

// Answers the import's and the export's dialogs from a script; nothing set is Cancel.
class ScriptedImportExportDialogs : public IImportExportDialogs {
public:
    QString importFile;
    std::optional<Format> formatAnswer;
    std::optional<ExportChoice> exportAnswer;
    std::vector<std::vector<Format>> formatsOffered;
    std::vector<QString> summaries;

    QString chooseImportFile() override { return importFile; }
    std::optional<Format> chooseImportFormat(const QString&, const std::vector<Format>& candidates, bool) override
    {
        formatsOffered.push_back(candidates);
        return formatAnswer;
    }
    std::optional<ExportChoice> chooseExportFile() override { return exportAnswer; }
    void showImportSummary(const QString& summary) override { summaries.push_back(summary); }
};

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QString fixture(const char* name) { return QStringLiteral(KELDRA_TESTDATA "/interchange/") + QString::fromLatin1(name); }

class ImportExportTest : public FrameTest {
protected:
    ImportExportTest() { options.setLockoutEnabled(false); }

    void openImportExport()
    {
        openFrame();
        commands = std::make_unique<CImportExportCommands>(services, *frame, &scripted);
    }
    std::string walletBytes() const { return bytesOf(base.file("wallet.wal")); }
    CCategory* category(const std::string& name) const
    {
        for (const auto& sub : doc->getRoot().getSubcategories()) {
            if (sub->getName().str() == name)
                return sub.get();
        }
        return nullptr;
    }

    ScriptedImportExportDialogs scripted;
    std::unique_ptr<CImportExportCommands> commands;
};

TEST_F(ImportExportTest, ImportMakesOneEncryptedCategoryWithTheFilesGroupsAndEndsWithTheSummary)
{
    openImportExport();
    EXPECT_TRUE(enabled(CommandId::ImportFrom));
    EXPECT_TRUE(enabled(CommandId::ExportTo));
    scripted.importFile = fixture("keepassxc.csv");
    // The wallet has no password yet: the import sets its first one.
    ui.passwordAnswers.push_back({true, "secret", "secret", ""});
    EXPECT_TRUE(commands->runCommand(CommandId::ImportFrom));

    const std::string name = Interchange::importCategoryName(Format::KeePassXcCsv);
    CCategory* imported = category(name);
    ASSERT_NE(imported, nullptr);
    EXPECT_TRUE(imported->isEncrypted());
    EXPECT_EQ(frame->selectedCategory(), imported);
    ASSERT_FALSE(imported->getSubcategories().empty());
    EXPECT_EQ(imported->getSubcategories().front()->getName().str(), "Household");
    // The format was certain: nobody was asked.
    EXPECT_TRUE(scripted.formatsOffered.empty());
    ASSERT_EQ(scripted.summaries.size(), 1u);
    EXPECT_TRUE(scripted.summaries[0].startsWith(QString::fromStdString("Imported from KeePassXC CSV into the new encrypted category \"" + name + "\":")))
        << scripted.summaries[0].toStdString();
    // The secrets are sealed in the file.
    EXPECT_EQ(walletBytes().find("m41l-S3cret"), std::string::npos);
}

TEST_F(ImportExportTest, AFileOfNoKnownFormatIsAskedAboutAndAFailingOneChangesNothing)
{
    openImportExport();
    addCard(addCategory(doc->getRoot(), "Bank"), 19, "Mail login");
    const std::string before = walletBytes();
    const std::string path = base.file("notes.txt");
    std::ofstream(path) << "just some text\n";
    scripted.importFile = QString::fromStdString(path);

    // Cancel on the question: every format was offered, nothing changed.
    EXPECT_TRUE(commands->runCommand(CommandId::ImportFrom));
    ASSERT_EQ(scripted.formatsOffered.size(), 1u);
    EXPECT_EQ(scripted.formatsOffered[0].size(), Interchange::formats().size());

    // The person names a format the file is not in: the reader's message, and the wallet as it was.
    scripted.formatAnswer = Format::BitwardenJson;
    EXPECT_TRUE(commands->runCommand(CommandId::ImportFrom));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().rfind("\"" + path + "\", ", 0), 0u) << ui.messages.back();
    EXPECT_TRUE(ui.passwordModes.empty());
    EXPECT_TRUE(scripted.summaries.empty());
    EXPECT_EQ(walletBytes(), before);
    EXPECT_EQ(doc->getRoot().getSubcategories().size(), 1u);
}

TEST_F(ImportExportTest, ExportAsksFirstOpensSealedCardsAndWritesAFileOnlyItsOwnerReads)
{
    openImportExport();
    ui.passwordAnswers.push_back({true, "secret", "secret", ""});
    ASSERT_TRUE(doc->ensureKeyForEncryption());
    CCard& card = addCard(addCategory(doc->getRoot(), "Vault", true), 26, "Shop");
    static_cast<CFieldCard&>(card).setText(CCardWebSite::Password, "sh0p-pass");
    doc->lock();
    const std::string out = base.file("out.json");
    scripted.exportAnswer = ExportChoice{QString::fromStdString(out), Format::BitwardenJson};

    // No to the question: nothing is written.
    ui.messageAnswers.push_back(IDNO);
    EXPECT_TRUE(commands->runCommand(CommandId::ExportTo));
    EXPECT_FALSE(std::ifstream(out).good());

    // Yes, and the password: the sealed card goes out too, in a file of mode 0600.
    ui.messageAnswers.push_back(IDYES);
    ui.passwordAnswers.push_back({true, "secret", "", ""});
    EXPECT_TRUE(commands->runCommand(CommandId::ExportTo));
    EXPECT_NE(bytesOf(out).find("sh0p-pass"), std::string::npos);
    struct stat status {};
    ASSERT_EQ(::stat(out.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(ui.messages.back(), "Exported 1 cards to \"" + out + "\".");

    // What went out comes back in as the same card.
    Interchange::ImportFile file;
    std::string error;
    ASSERT_TRUE(file.read(out, error) && file.parse(Format::BitwardenJson, error)) << error;
    const Interchange::MappedImport back = file.map(false);
    const CCategory& vault = *back.holder->getSubcategories().at(0);
    ASSERT_EQ(vault.getCards().size(), 1u);
    EXPECT_EQ(static_cast<const CFieldCard&>(*vault.getCards()[0]).text(CCardWebSite::Password).str(), "sh0p-pass");
}

} // namespace

#include "uiFrame/FrameFixture.h"

#include "cards/CardPassword.h"
#include "frame/CommandIds.h"
#include "print/CardPrinter.h"
#include "print/PrintCommands.h"
#include "print/PrintDialogs.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <functional>

namespace {

using Messages = std::vector<std::string>;

constexpr int kPasswordKind = 19;
constexpr int kFreeFormKind = 10;

// Sets the printer up as the person would in the print dialog, or cancels.
class ScriptedPrintDialogs : public IPrintDialogs {
public:
    std::function<bool(QPrinter&)> answer;
    int shown = 0;

    bool choosePrinter(QPrinter& printer) override
    {
        ++shown;
        return answer && answer(printer);
    }
};

QString tool(const char* program, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintTest : public FrameTest {
protected:
    void openPrint()
    {
        openFrame();
        commands = std::make_unique<CPrintCommands>(services, *frame, &printDialogs);
    }
    // The next Print goes to a PDF file of `pageInches`, without margins.
    void printToPdf(QSizeF pageInches, const std::string& path)
    {
        printDialogs.answer = [pageInches, path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(path));
            printer.setPageLayout(QPageLayout(QPageSize(pageInches, QPageSize::Inch), QPageLayout::Portrait, QMarginsF()));
            return true;
        };
    }
    // A password card whose display shows `system`.
    void addLogin(CCategory& category, const char* name, const char* system)
    {
        auto card = std::make_unique<CCardPassword>(name, "", system, "user", "secret", "");
        card->setParent(&category);
        ASSERT_TRUE(doc->addCard(category, std::move(card)));
    }
    void print(CCategory& category)
    {
        frame->select(nullptr, &category, nullptr, nullptr);
        EXPECT_TRUE(commands->runCommand(CommandId::Print));
    }
    std::string pdf() const { return base.file("cards.pdf"); }
    int pages() const
    {
        const QString info = tool("pdfinfo", {QString::fromStdString(pdf())});
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    }
    QString pageText(int page) const
    {
        const QString number = QString::number(page);
        return tool("pdftotext", {"-f", number, "-l", number, "-layout", QString::fromStdString(pdf()), "-"});
    }

    ScriptedPrintDialogs printDialogs;
    std::unique_ptr<CPrintCommands> commands;
};

TEST_F(PrintTest, PrintIsAlwaysEnabledAndAnsweredInTheFramesChain)
{
    openPrint();
    EXPECT_EQ(commands->commandEnabled(CommandId::Print), true);
    frame->select(nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(enabled(CommandId::Print));
    EXPECT_EQ(commands->commandEnabled(CommandId::Copy), std::nullopt);
    EXPECT_FALSE(commands->runCommand(CommandId::Copy));
}

TEST_F(PrintTest, CardsFillTheCellsRowByRowAsVectorsAndFreeFormCardsTakeNone)
{
    openPrint();
    CCategory& bank = addCategory(doc->getRoot(), "Bank");
    // A 6 x 5 inch page holds two rows of two cells; the names sort into this order.
    for (const char* name : {"Card A", "Card B", "Card C", "Card D", "Card E"})
        addLogin(bank, name, name);
    addCard(bank, kFreeFormKind, "Card BB notes");
    printToPdf({6, 5}, pdf());
    print(bank);
    EXPECT_EQ(printDialogs.shown, 1);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(pages(), 2);
    if (const QByteArray folder = qgetenv("KELDRA_SHOTS"); !folder.isEmpty())
        tool("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", QString::fromStdString(pdf()), QString::fromLocal8Bit(folder) + "/print"});
    EXPECT_TRUE(tool("pdfinfo", {QString::fromStdString(pdf())}).contains(QRegularExpression("Title:\\s+Test : Bank\\n")));
    const QString first = pageText(1);
    for (const char* name : {"CARD A", "CARD B", "CARD C", "CARD D"})
        EXPECT_TRUE(first.contains(name, Qt::CaseInsensitive)) << name << "\n" << first.toStdString();
    EXPECT_FALSE(first.contains("Card BB notes", Qt::CaseInsensitive));
    EXPECT_LT(first.indexOf("Card A", 0, Qt::CaseInsensitive), first.indexOf("Card B", 0, Qt::CaseInsensitive)) << "left to right";
    EXPECT_LT(first.indexOf("Card B", 0, Qt::CaseInsensitive), first.indexOf("Card C", 0, Qt::CaseInsensitive)) << "then the next row";
    EXPECT_TRUE(pageText(2).contains("Card E", Qt::CaseInsensitive));
    // Vectors: the pages hold text and no picture.
    EXPECT_EQ(tool("pdfimages", {"-list", QString::fromStdString(pdf())}).trimmed().split('\n').size(), 2);
}

TEST_F(PrintTest, FreeFormCardsAloneGiveOneEmptyPageAndACardFromTheRootNamesOnlyTheWallet)
{
    openPrint();
    CCategory& notes = addCategory(doc->getRoot(), "Notes");
    addCard(notes, kFreeFormKind, "Only notes");
    printToPdf({8.5, 11}, pdf());
    print(notes);
    EXPECT_EQ(pages(), 1);
    EXPECT_FALSE(pageText(1).contains("Only notes"));

    addLogin(doc->getRoot(), "Root card", "Root system");
    print(doc->getRoot());
    EXPECT_EQ(pages(), 1);
    EXPECT_TRUE(pageText(1).contains("Root system"));
    EXPECT_TRUE(tool("pdfinfo", {QString::fromStdString(pdf())}).contains(QRegularExpression("Title:\\s+Test\\n")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrintTest, NothingIsPrintedWithoutCardsOrPrinterOrRoomForOneCell)
{
    openPrint();
    CCategory& empty = addCategory(doc->getRoot(), "Empty");
    CCategory& full = addCategory(doc->getRoot(), "Full");
    addCard(full, kPasswordKind, "Wide card");
    const struct {
        CCategory* category;
        QSizeF page;
        std::string path;
        bool confirmed;
        Messages messages;
    } cases[] = {
        {&empty, {8.5, 11}, pdf(), true, {"There are not cards in current category!"}},
        {&full, {8.5, 11}, pdf(), false, {}},
        {nullptr, {8.5, 11}, pdf(), true, {"There are not cards in current category!"}},
        {&full, {8.5, 11}, base.file("missing/cards.pdf"), true, {"Printer would not initalize"}},
        // No cell fits: the job ends at once instead of starting pages for ever.
        {&full, {2.5, 11}, pdf(), true, {"The printable area of the page is smaller than one card"}},
        {&full, {8.5, 2}, pdf(), true, {"The printable area of the page is smaller than one card"}},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        QFile::remove(QString::fromStdString(pdf()));
        printToPdf(c.page, c.path);
        if (!c.confirmed)
            printDialogs.answer = nullptr;
        frame->select(nullptr, c.category, nullptr, nullptr);
        EXPECT_TRUE(commands->runCommand(CommandId::Print));
        EXPECT_EQ(ui.messages, c.messages) << c.path;
        EXPECT_EQ(pages(), 0) << "nothing printed";
    }
}

TEST(PrintJobName, TheWalletsNameThenTheCategorysBelowTheRoot)
{
    CCategory root("My Wallet", 0, 0, false);
    root.insertCategory(std::make_unique<CCategory>("Cards", 0, 0, false));
    const CCategory* sub = root.getSubcategories().front().get();
    EXPECT_EQ(printJobName(root), "My Wallet");
    EXPECT_EQ(printJobName(*sub), "My Wallet : Cards");
}

} // namespace

// Commands that read the wallet without writing it: tree, show, dump, export
// and search.
#include "Commands.h"

#include "CardField.h"
#include "NodePath.h"
#include "TerminalText.h"
#include "WalletJson.h"
#include "WalletSession.h"
#include "cards/CardTypeTable.h"
#include "interchange/WalletExport.h"
#include "model/Category.h"
#include "model/DocumentKey.h"
#include "model/SearchResult.h"
#include "zenthoLib/Base/ByteOutputStream.h"
#include "zenthoLib/Base/SizedArray.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <vector>

namespace {

constexpr const char* kDecryptQuestion = "Decrypt data before exporting?";
// Room for every line one card exports (each line's texts are cut at 2048 bytes).
constexpr std::uint32_t kCardExportCapacity = 1 << 17;

void printTree(const CCategory& category, int depth)
{
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    std::cout << indent << toTerminal(category.getName()) << "/";
    if (category.hasSealedCards())
        std::cout << "  [locked: " << category.getSealedCards().size() << " sealed cards]";
    else if (category.isEncrypted())
        std::cout << "  [encrypted]";
    std::cout << "\n";
    for (const auto& sub : category.getSubcategories())
        printTree(*sub, depth + 1);
    for (const auto& card : category.getCards())
        std::cout << indent << "  " << toTerminal(card->getName()) << "  (" << cardTypeRow(card->getTypeId()).displayName << ")\n";
}

int fail(const std::string& message)
{
    std::cerr << message << std::endl;
    return 1;
}

bool startAndView(WalletSession& session, const CommandLine& line)
{
    return session.start() && session.view(line.arguments[0]);
}

// With --decrypt, every encrypted category is opened first.
bool decryptIfAsked(WalletSession& session, const CommandLine& line)
{
    if (!line.has(kOptDecrypt))
        return true;
    return session.document().obtainDocumentKey() == CWalletDoc::kKeyHeld && session.document().decryptAllCategories();
}

// One value for a script: exactly its text, with a newline only on a terminal.
int printField(const CNode& node, const std::string& name)
{
    if (!node.isCard())
        return fail("\"" + nodePath(node) + "\" is a category; --field names a value of a card.");
    const auto& card = static_cast<const CCard&>(node);
    const std::optional<std::string> value = cardFieldText(card, name);
    if (!value)
        return fail(unknownFieldMessage(card, name));
    std::cout << *value << (isatty(STDOUT_FILENO) ? "\n" : "");
    return std::cout.flush() ? 0 : 1;
}

} // namespace

bool writeOutput(const CommandLine& line, const std::string& text)
{
    if (!line.has(kOptOutput)) {
        std::cout << text;
        return static_cast<bool>(std::cout.flush());
    }
    const bool written = Interchange::writePrivateFile(line.output, text);
    if (!written)
        std::cerr << "Cannot create file!" << std::endl;
    return written;
}

int runTree(WalletSession& session, const CommandLine& line)
{
    if (!startAndView(session, line) || !decryptIfAsked(session, line))
        return 1;
    // A strong wallet's root says so; a classic one's stays as it always was.
    if (session.document().getFileFormat() == WalletFormat::Strong)
        std::cout << "[strong]\n";
    printTree(session.document().getRoot(), 0);
    return 0;
}

int runShow(WalletSession& session, const CommandLine& line)
{
    if (!startAndView(session, line))
        return 1;
    CNode* node = session.find(line.arguments[1]);
    if (!node)
        return 1;
    if (line.has(kOptField))
        return printField(*node, line.field);
    if (node->isCategory()) {
        auto& category = static_cast<CCategory&>(*node);
        std::cout << "Category : " << toTerminal(category.getName()) << "\n"
                  << "Default Card : " << cardTypeRow(category.getDefaultCardType()).displayName << "\n"
                  << "Encrypt : " << (category.isEncrypted() ? "yes" : "no") << "\n";
        if (!category.getNotes().IsEmpty())
            std::cout << "Notes : " << toTerminal(category.getNotes()) << "\n";
        return 0;
    }
    std::vector<unsigned char> buffer(kCardExportCapacity);
    CByteOutputStream out(buffer.data(), kCardExportCapacity);
    if (!static_cast<CCard&>(*node).exportText(out)) {
        std::cerr << "Cannot show the card." << std::endl;
        return 1;
    }
    std::string text(reinterpret_cast<const char*>(buffer.data()), out.getDataSize());
    for (std::size_t cr; (cr = text.find("\r\n")) != std::string::npos;)
        text.erase(cr, 1);
    std::cout << toTerminal(CString(text));
    return 0;
}

int runDump(WalletSession& session, const CommandLine& line)
{
    if (!startAndView(session, line) || !decryptIfAsked(session, line))
        return 1;
    CWalletDoc& doc = session.document();
    Json dump = Json::object();
    dump["format"] = "keldra-dump";
    dump["formatVersion"] = 1;
    dump["file"] = {
        {"version", doc.getFileVersion()},
        {"rootOffset", doc.getRoot().getPosition()},
        {"checkBlockLength", documentCheckBlock().getSize()},
    };
    dump["root"] = nodeToJson(doc.getRoot());
    return writeOutput(line, dump.dump(2) + "\n") ? 0 : 1;
}

int runExport(WalletSession& session, const CommandLine& line)
{
    if (line.has(kOptFormat))
        return runFormatExport(session, line);
    if (!startAndView(session, line))
        return 1;
    TerminalUserInterface& ui = session.ui();
    if (line.has(kOptDecrypt) || line.has(kOptNoDecrypt))
        ui.answer(kDecryptQuestion, line.has(kOptDecrypt));
    if (line.has(kOptOutput)) {
        ui.setSaveFile(walletPath(line.output));
        session.document().exportWallet();
        return ui.wasShown("Export is done!") ? 0 : 1;
    }
    // Standard output may be a pipe, which the export cannot open as its
    // file: it goes to a private temporary file that is then copied out.
    std::string temporary = (std::filesystem::temp_directory_path() / "keldra-export-XXXXXX").string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fail("Cannot create file!");
    ::close(fd);
    ui.setSaveFile(walletPath(temporary));
    session.document().exportWallet();
    std::ifstream exported(temporary, std::ios::binary);
    const bool done = ui.wasShown("Export is done!") && (std::cout << exported.rdbuf()).flush();
    std::filesystem::remove(temporary);
    return done ? 0 : 1;
}

int runSearch(WalletSession& session, const CommandLine& line)
{
    if (!startAndView(session, line))
        return 1;
    CWalletDoc& doc = session.document();
    if (line.has(kOptDecrypt) && doc.obtainDocumentKey() != CWalletDoc::kKeyHeld)
        return 1;
    if (!doc.search(fromTerminal(line.arguments[1]), line.has(kOptHidden), line.has(kOptCase), line.has(kOptDecrypt)))
        return 1;
    const SearchResult* hits = doc.getSearchResult();
    for (int i = 0; i < hits->getCount(); ++i) {
        const CCard* card = hits->getAt(i);
        std::cout << nodePath(*card->getParent()) << "\t" << toTerminal(card->getName()) << "\n";
    }
    return 0;
}

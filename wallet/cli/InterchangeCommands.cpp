// Moving in from other managers and out to them: import-from, and export
// with --format.
#include "Commands.h"

#include "NodePath.h"
#include "TerminalText.h"
#include "WalletSession.h"
#include "interchange/CardMapping.h"
#include "interchange/ImportFile.h"
#include "interchange/ImportIntoWallet.h"
#include "interchange/ImportSummaryText.h"
#include "interchange/InterchangeLimits.h"
#include "interchange/WalletExport.h"
#include "model/Category.h"

#include <iostream>

namespace {

int fail(const std::string& message, int status = 1)
{
    std::cerr << message << std::endl;
    return status;
}

// The format named by --format, or the one the content shows for certain.
std::optional<Interchange::Format> sourceFormat(const CommandLine& line, const Interchange::ImportFile& file, int& status)
{
    using namespace Interchange;
    const std::string& path = file.path();
    if (line.has(kOptFormat)) {
        if (const auto format = formatByName(line.format))
            return format;
        status = fail("Unknown format \"" + line.format + "\": the import reads " + formatNames(false) + ".", 2);
        return std::nullopt;
    }
    const std::vector<Format> found = file.formats();
    if (found.size() == 1)
        return found[0];
    status = 1;
    if (found.empty()) {
        fail("\"" + path + "\" is in none of the formats the import knows for certain; if it is one of " + formatNames(false) +
             ", name it with --format.");
        return std::nullopt;
    }
    std::string names;
    for (const Format format : found)
        names += (names.empty() ? "" : " or ") + std::string(formatInfo(format).name);
    fail("\"" + path + "\" could be " + names + ": which one is it? Name it with --format.");
    return std::nullopt;
}

} // namespace

int runImportFrom(WalletSession& session, const CommandLine& line)
{
    using namespace Interchange;
    ImportFile file;
    std::string error;
    if (!file.read(line.arguments[1], error))
        return fail(error);
    int status = 0;
    const std::optional<Format> format = sourceFormat(line, file, status);
    if (!format)
        return status;
    // Everything is read and checked before the wallet is opened: a file that
    // fails anywhere leaves the wallet as it was.
    if (!file.parse(*format, error))
        return fail(error);
    if (!session.start() || !session.open(line.arguments[0]))
        return 1;
    CCategory* target = session.findCategory(line.has(kOptInto) ? line.into : "/");
    if (!target)
        return 1;
    const bool sealed = !line.has(kOptInto) || target->isEncrypted();
    const std::string question = "The imported passwords and secrets will be stored unencrypted in \"" + nodePath(*target) + "\". Continue?";
    if (!sealed && session.ui().messageBox(fromTerminal(question), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 1;
    if (!session.prepareTarget(*target, sealed))
        return 1;
    MappedImport mapped = file.map(sealed);
    CWalletDoc& doc = session.document();
    std::string place;
    if (!line.has(kOptInto)) {
        const std::string name = importCategoryName(*format);
        if (!addImportAsCategory(doc, *target, mapped, name))
            return fail("Cant save the category");
        place = "the new encrypted category \"" + name + "\"";
    } else {
        // Every node of the file, each added by the document's own operation.
        CCategory& holder = *mapped.holder;
        while (!holder.getSubcategories().empty()) {
            if (!addNode(doc, *target, holder.takeCategory(holder.getSubcategories().front().get())))
                return 1;
        }
        while (!holder.getCards().empty()) {
            if (!addNode(doc, *target, holder.takeCard(holder.getCards().front().get())))
                return 1;
        }
        place = "\"" + nodePath(*target) + "\"";
    }
    std::cout << importSummaryText(mapped.summary, formatInfo(*format).source, place);
    return 0;
}

int runFormatExport(WalletSession& session, const CommandLine& line)
{
    using namespace Interchange;
    const std::optional<Format> format = formatByName(line.format);
    if (!format || !formatInfo(*format).exported)
        return fail("Unknown export format \"" + line.format + "\": the export writes " + formatNames(true) + ".", 2);
    if (!session.start() || !session.view(line.arguments[0]))
        return 1;
    const std::optional<ExportResult> result = exportWallet(session.document(), *format, !line.has(kOptNoDecrypt));
    if (!result)
        return 1;
    std::cerr << "Warning: the exported file is not encrypted: anyone who can read it can read every password in it." << std::endl;
    if (result->sealedLeftOut)
        std::cerr << result->sealedLeftOut << " sealed cards were left out: they need the wallet's password." << std::endl;
    return writeOutput(line, result->text) ? 0 : 1;
}

// Lists for scripts and the shell's completion: the card kinds, and the
// path of every node of a wallet (read without writing it).
#include "Commands.h"

#include "NodePath.h"
#include "WalletSession.h"
#include "cards/CardTypeTable.h"
#include "images/IconNames.h"
#include "model/Category.h"

#include <iostream>

namespace {

// Categories end with "/", sealed cards are not listed.
void printPaths(const CCategory& category)
{
    for (const auto& sub : category.getSubcategories()) {
        std::cout << nodePath(*sub) << "/\n";
        printPaths(*sub);
    }
    for (const auto& card : category.getCards())
        std::cout << nodePath(*card) << "\n";
}

} // namespace

int runKinds(WalletSession&, const CommandLine&)
{
    for (int typeId = 0; typeId < IconNames::kCardTypeCount; ++typeId)
        std::cout << cardTypeRow(typeId).displayName << "\n";
    return 0;
}

int runPaths(WalletSession& session, const CommandLine& line)
{
    if (!session.start() || !session.view(line.arguments[0]))
        return 1;
    printPaths(session.document().getRoot());
    return 0;
}

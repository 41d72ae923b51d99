// The clip command: one value of a card onto the desktop's clipboard, for a
// while, without showing it.
#include "Commands.h"

#include "CardField.h"
#include "DesktopClipboard.h"
#include "WalletSession.h"
#include "model/Card.h"

#include <iostream>
#include <optional>

int runClip(WalletSession& session, const CommandLine& line)
{
    if (!session.start() || !session.view(line.arguments[0]))
        return 1;
    const CNode* node = session.find(line.arguments[1]);
    if (!node)
        return 1;
    if (!node->isCard()) {
        std::cerr << "\"" << line.arguments[1] << "\" is a category; clip takes a value of a card." << std::endl;
        return 1;
    }
    const auto& card = static_cast<const CCard&>(*node);
    const std::string& name = line.arguments[2];
    const std::optional<std::string> value = cardFieldText(card, name);
    if (!value) {
        std::cerr << unknownFieldMessage(card, name) << std::endl;
        return 1;
    }
    // The process that keeps the clipboard holds neither the wallet nor its key.
    session.document().deleteContents();
    std::string error;
    if (!copySecretToClipboard(*value, line.seconds, error)) {
        std::cerr << error << std::endl;
        return 1;
    }
    return 0;
}

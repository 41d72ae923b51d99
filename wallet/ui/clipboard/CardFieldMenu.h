// The context menu of the card display: "Copy <field>" for every field of
// the shown card that holds a value; the chosen value goes to the system
// clipboard as a secret.
#pragma once

#include "clipboard/SecretClipboard.h"

class CCard;
class CWalletDoc;
class QMenu;

class CCardFieldMenu {
public:
    explicit CCardFieldMenu(CWalletDoc& document) : m_document(document) {}

    // Adds the card's copy entries to `menu`; none for a card of an
    // encrypted category while the wallet is locked.
    void fill(QMenu& menu, const CCard& card);
    CSecretClipboard& clipboard() { return m_clipboard; }

private:
    CWalletDoc& m_document;
    CSecretClipboard m_clipboard;
};

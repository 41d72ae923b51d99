// Cut, Copy and Paste of nodes, the same from the tree and the card list:
// Copy and Cut hold the node of the last context menu, Paste puts a copy of
// the held node into the context menu's category (a cut node then goes from
// its place). Nothing reaches the system clipboard. The node is held by its
// identity, so that one deleted since is found missing, never used.
#pragma once

#include "frame/ICommandTarget.h"

#include <cstdint>

class CNode;
class IWalletFrame;
struct UiServices;

class CNodeClipboard : public ICommandTarget {
public:
    enum class Operation { Copy = 0, Cut = 1 };

    CNodeClipboard(UiServices& services, IWalletFrame& frame) : m_services(services), m_frame(frame) {}

    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

    // The held node; null when none is held or it is no longer in the wallet.
    CNode* heldNode() const;
    Operation heldOperation() const { return m_operation; }

private:
    void hold(Operation operation);
    void paste();
    bool canPaste() const;

    UiServices& m_services;
    IWalletFrame& m_frame;
    // The identity of the held node; none is 0, which no node has.
    std::uint32_t m_heldId = 0;
    Operation m_operation = Operation::Copy;
};

// Wallet > Security...: the wallet file moves between the classic format
// and the strong one, through the document's conversion (a fresh file
// written beside the wallet, synced and put in its place).
#pragma once

#include "frame/ICommandTarget.h"
#include "model/WalletStorage.h"

#include <memory>
#include <optional>

class IWalletFrame;
class QWidget;
struct UiServices;

// The Security dialog. The program runs the real one; tests answer from a script.
class ISecurityDialogs {
public:
    virtual ~ISecurityDialogs() = default;

    // The format chosen, starting from `current`; none on Cancel.
    virtual std::optional<WalletFormat> chooseFormat(WalletFormat current) = 0;
};

class CQtSecurityDialogs : public ISecurityDialogs {
public:
    explicit CQtSecurityDialogs(QWidget* parent) : m_parent(parent) {}

    std::optional<WalletFormat> chooseFormat(WalletFormat current) override;

private:
    QWidget* m_parent;
};

class CSecurityCommands : public ICommandTarget {
public:
    // Without `dialogs` the command runs the real dialog, over the frame's window.
    CSecurityCommands(UiServices& services, IWalletFrame& frame, ISecurityDialogs* dialogs = nullptr);
    ~CSecurityCommands() override;

    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

private:
    void chooseFormat();

    UiServices& m_services;
    IWalletFrame& m_frame;
    std::unique_ptr<ISecurityDialogs> m_ownDialogs;
    ISecurityDialogs& m_dialogs;
};

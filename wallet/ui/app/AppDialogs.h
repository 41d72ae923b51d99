// The dialogs the application's own commands open: the file-open dialog,
// the "Open File" prompt for a missing last wallet, the New command's
// save dialog, the printer set-up and the about box. The program runs the
// real dialogs; tests answer from a script.
#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

class IAppDialogs {
public:
    virtual ~IAppDialogs() = default;

    // The native path of a wallet to open; none on Cancel.
    virtual std::optional<QString> chooseWalletToOpen(QWidget* parent) = 0;
    // The last wallet is gone: true to open another, false to create one.
    virtual bool opensExistingForMissingLastFile(QWidget* parent) = 0;
    // The native path a new wallet is to take, starting in `startFolder`;
    // none on Cancel. The dialog also offers the strong format: `strong`
    // holds the choice shown first and gives the one made.
    virtual std::optional<QString> chooseNewWalletFile(QWidget* parent, const QString& startFolder, bool& strong) = 0;
    virtual void printSetup(QWidget* parent, QPrinter& printer) = 0;
    virtual void showAbout(QWidget* parent, const QString& link) = 0;
};

class CQtAppDialogs : public IAppDialogs {
public:
    std::optional<QString> chooseWalletToOpen(QWidget* parent) override;
    bool opensExistingForMissingLastFile(QWidget* parent) override;
    std::optional<QString> chooseNewWalletFile(QWidget* parent, const QString& startFolder, bool& strong) override;
    void printSetup(QWidget* parent, QPrinter& printer) override;
    void showAbout(QWidget* parent, const QString& link) override;
};

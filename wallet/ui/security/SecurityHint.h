// The quiet line above the panes while a classic wallet holds sealed
// categories: what the classic format keeps them with, a button to the
// Security dialog and one that puts the hint away for good (the person's
// settings remember it).
#pragma once

#include "model/UpdateHint.h"

#include <QFrame>

class CWalletDoc;
class QAction;
class QLabel;
class QToolButton;

class CSecurityHint : public QFrame, public IDocumentObserver {
    Q_OBJECT
public:
    // `security` is the Security command the hint's button runs.
    CSecurityHint(CWalletDoc& document, QAction& security, QWidget* parent = nullptr);
    ~CSecurityHint() override;

    void onUpdate(const UpdateHint& hint) override;
    void onContentsDeleting() override;

    // Whether the hint would be shown (while its window is).
    bool isWanted() const { return !isHidden(); }
    QToolButton& dismissButton() const { return *m_dismiss; }

    // Whether the person put the hint away (HKEY_CURRENT_USER).
    static bool isDismissed();

private:
    void follow();
    void dismiss();

    CWalletDoc& m_document;
    QToolButton* m_dismiss;
};

// The one top-level window: menus, toolbar and status bar, the category tree
// beside a column of the card list, the card view and the notes view, the
// selection, the card and category commands and the inactivity timer.
#pragma once

#include "frame/ICommandTarget.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/UpdateHint.h"

#include <QMainWindow>

class CMainFrame : public QMainWindow, public IWalletFrame, public ICommandTarget, public IDocumentObserver {
    Q_OBJECT
public:
    // `application` answers the commands the frame, the views and the
    // document's commands leave (New, Open, Print Setup, About).
    CMainFrame(UiServices& services, ICommandTarget& application, QWidget* parent = nullptr);
    ~CMainFrame() override;
};

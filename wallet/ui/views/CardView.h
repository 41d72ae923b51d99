// The card pane: a grey background with the display of the shown card
// centred on it. A click on the display outside its active elements, on the
// grey around it or in the notes view opens the card editor on the card.
#pragma once

#include "model/UpdateHint.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class CCard;
class CCardFieldMenu;
class CNode;
class CCardSheet;
class CNotesView;
class CShowCardDialog;
class IWalletFrame;
struct UiServices;

class CCardView : public QWidget, public IDocumentObserver {
public:
    static constexpr QRgb kBackground = 0xFF7F7F7F;
    // Runs the card editor modally and gives its result code.
    using SheetRunner = std::function<int(CCardSheet&)>;

    CCardView(UiServices& services, IWalletFrame& frame, QWidget* parent = nullptr);
    ~CCardView() override;

    void setNotesView(CNotesView* notes);
    // Takes ownership of `display` (null allowed: only the grey background), shows `card`'s notes.
    void showDisplay(CShowCardDialog* display, CCard* card);
    CShowCardDialog* display() const { return m_display; }
    CCard* card() const { return m_card; }
    // Where the display's top left corner goes: centred in the pane.
    QPoint origin() const;

    // The left-button handling outside the display: the editor opens on the shown card.
    void editShownCard();
    // Replaces the modal run of the editor (a test answers the sheet itself).
    void setSheetRunner(SheetRunner runner) { m_runSheet = std::move(runner); }
    // The copies of the shown card's fields that its context menu offers.
    CCardFieldMenu& fieldMenu() const { return *m_fieldMenu; }

    void onUpdate(const UpdateHint& hint) override;
    void onLocking() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The display leaves its context menu to the view.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // True when the card was changed and is still shown.
    bool editCard(CCard& card);
    void dropDisplay();
    void showNotes();

    UiServices& m_services;
    IWalletFrame& m_frame;
    CShowCardDialog* m_display = nullptr;
    CCard* m_card = nullptr;
    // The shown card and the categories above it, compared by address only:
    // a deleted category takes its cards along without a hint for each.
    std::vector<const CNode*> m_cardPath;
    CNotesView* m_notes = nullptr;
    SheetRunner m_runSheet;
    std::unique_ptr<CCardFieldMenu> m_fieldMenu;
};

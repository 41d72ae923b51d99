// The card editor: a sheet with the page of the card's kind, the Properties
// page and the Media page. With a type id it creates a card, with a card it
// changes that card in place; Cancel leaves everything as it was.
#pragma once

#include <QDialog>

#include <memory>

class CCard;
class CCardKindPage;
class CCardMedia;
class CCardProperties;
class ICardEditorChoosers;
class IUserInterface;
class QTabWidget;

class CCardSheet : public QDialog {
    Q_OBJECT
public:
    // Create mode.
    CCardSheet(int typeId, IUserInterface& ui, ICardEditorChoosers& choosers, const QString& programDir, QWidget* parent = nullptr);
    // Edit mode.
    CCardSheet(CCard& card, IUserInterface& ui, ICardEditorChoosers& choosers, const QString& programDir, QWidget* parent = nullptr);
    ~CCardSheet() override;

    // OK: the kind page checks and takes its values, then the Properties and
    // Media pages apply theirs; a refused name keeps the sheet open on the kind page.
    void accept() override;

    int typeId() const { return m_typeId; }
    // The card made on OK in create mode; the caller owns it from then on.
    std::unique_ptr<CCard> takeNewCard();

    CCardKindPage& kindPage() const { return *m_kindPage; }
    CCardProperties& properties() const { return *m_properties; }
    CCardMedia& media() const { return *m_media; }
    QTabWidget& tabs() const { return *m_tabs; }

private:
    CCardSheet(CCard* card, int typeId, IUserInterface& ui, ICardEditorChoosers& choosers, const QString& programDir, QWidget* parent);
    void widenForTabs();

    CCard* m_card;
    int m_typeId;
    IUserInterface& m_ui;
    std::unique_ptr<CCard> m_newCard;
    QTabWidget* m_tabs;
    CCardKindPage* m_kindPage;
    CCardProperties* m_properties;
    CCardMedia* m_media;
};

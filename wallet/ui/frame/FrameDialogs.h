// The dialogs the main window's commands open: the card type chooser, the
// card editor, the category dialog and the Options dialog. The program runs
// the real dialogs; tests answer from a script, so no modal loop runs.
#pragma once

#include "platform/CString.h"

#include <memory>
#include <optional>

class CCard;
class CCategory;
class CKeldraOptions;
class QWidget;
struct UiServices;

// What the category dialog gives on OK.
struct CategoryChoice {
    CString name;
    int defaultCardType = 0;
    int iconIndex = 0;
    bool encrypt = false;
};

class IFrameDialogs {
public:
    virtual ~IFrameDialogs() = default;

    // The card kind chosen, starting from `preset`; none on Cancel.
    virtual std::optional<int> chooseCardType(int preset) = 0;
    // A new card of kind `typeId` filled in the editor; null on Cancel.
    virtual std::unique_ptr<CCard> createCard(int typeId) = 0;
    // Edits `card` in place; false on Cancel (the card is unchanged).
    virtual bool editCard(CCard& card) = 0;
    // The values of a new category (`editing` null) or of `editing`; none on Cancel.
    virtual std::optional<CategoryChoice> editCategory(CCategory* editing) = 0;
    // The Options dialog on `options`; true on OK (the options then hold the new values).
    virtual bool editOptions(CKeldraOptions& options) = 0;
};

class CQtFrameDialogs : public IFrameDialogs {
public:
    CQtFrameDialogs(UiServices& services, QWidget* parent) : m_services(services), m_parent(parent) {}

    std::optional<int> chooseCardType(int preset) override;
    std::unique_ptr<CCard> createCard(int typeId) override;
    bool editCard(CCard& card) override;
    std::optional<CategoryChoice> editCategory(CCategory* editing) override;
    bool editOptions(CKeldraOptions& options) override;

private:
    UiServices& m_services;
    QWidget* m_parent;
};

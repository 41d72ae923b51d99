// The dialog that creates a category ("Create category") or edits one ("Edit
// category"): its name, default card type and icon, and whether its cards
// are encrypted. Turning "Encrypt" on or off asks the document for the key
// first; OK refuses an empty name. The caller applies the values.
#pragma once

#include "CategoryChoosers.h"
#include "platform/CString.h"

#include <QDialog>

class CCategory;
class QCheckBox;
class QLabel;
class QLineEdit;
struct UiServices;

class CCreateCategoryDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNameId = 1000;
    static constexpr int kDefaultCardLabelId = 1172;
    static constexpr int kChangeCardId = 1014;
    static constexpr int kCategoryIconLabelId = 1173;
    static constexpr int kChangeIconId = 1013;
    static constexpr int kEncryptId = 1165;
    static constexpr int kIconSize = 32;

    // Without `editing`, a new category: card type 0 and its icon.
    CCreateCategoryDlg(UiServices& services, CCategory* editing /* null: create */, QWidget* parent = nullptr);

    // The choosers "Change" opens; the real dialogs unless set.
    void setChoosers(ICategoryChoosers& choosers) { m_choosers = &choosers; }

    // The name without the white space at either end.
    CString name() const;
    int defaultCardType() const { return m_cardType; }
    // The icon in the form a category keeps: the category variant of the chosen icon.
    int iconIndex() const;
    bool encrypt() const;

    // Refuses an empty name with its message; otherwise closes.
    void accept() override;

    // The pictures of the default card type and of the category icon.
    const QLabel& cardTypePicture() const { return *m_cardTypePicture; }
    const QLabel& iconPicture() const { return *m_iconPicture; }

private:
    void changeCardType();
    void changeIcon();
    void encryptClicked(bool on);
    void showPictures();

    UiServices& m_services;
    CQtCategoryChoosers m_qtChoosers;
    ICategoryChoosers* m_choosers;
    int m_cardType = 0;
    // The plain image index; the category shows its variant.
    int m_plainIcon;
    QLineEdit* m_name;
    QCheckBox* m_encrypt;
    QLabel* m_cardTypePicture;
    QLabel* m_iconPicture;
};

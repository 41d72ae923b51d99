#include "frame/FrameDialogs.h"

#include "cards/edit/CardSheet.h"
#include "cards/edit/SelectCardDlg.h"
#include "dialogs/CreateCategoryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "frame/UiServices.h"
#include "model/Card.h"

std::optional<int> CQtFrameDialogs::chooseCardType(int preset)
{
    CSelectCardDlg chooser(m_services.images, preset, m_parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.chosenTypeId();
}

std::unique_ptr<CCard> CQtFrameDialogs::createCard(int typeId)
{
    CCardSheet sheet(typeId, m_services.ui, m_services.choosers, m_services.programDir, m_parent);
    if (sheet.exec() != QDialog::Accepted)
        return nullptr;
    return sheet.takeNewCard();
}

bool CQtFrameDialogs::editCard(CCard& card)
{
    CCardSheet sheet(card, m_services.ui, m_services.choosers, m_services.programDir, m_parent);
    return sheet.exec() == QDialog::Accepted;
}

std::optional<CategoryChoice> CQtFrameDialogs::editCategory(CCategory* editing)
{
    CCreateCategoryDlg dialog(m_services, editing, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return CategoryChoice{dialog.name(), dialog.defaultCardType(), dialog.iconIndex(), dialog.encrypt()};
}

bool CQtFrameDialogs::editOptions(CKeldraOptions& options)
{
    COptionsDlg dialog(options, m_services.ui, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

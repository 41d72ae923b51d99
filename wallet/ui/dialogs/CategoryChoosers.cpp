#include "CategoryChoosers.h"

#include "cards/edit/SelectCardDlg.h"
#include "images/qt/SelectIconDlg.h"

std::optional<int> CQtCategoryChoosers::chooseCardType(QWidget* parent, int current)
{
    CSelectCardDlg chooser(m_images, current, parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.chosenTypeId();
}

std::optional<int> CQtCategoryChoosers::chooseIcon(QWidget* parent)
{
    CSelectIconDlg chooser(m_images, parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.result();
}

#include "CreateCategoryDlg.h"

#include "DialogButtons.h"
#include "DialogTexts.h"
#include "cards/edit/ControlId.h"
#include "frame/UiServices.h"
#include "images/IconNames.h"
#include "images/ImageServer.h"
#include "images/qt/QtImageLists.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/DialogFixer.h"
#include "zenthoLib/Ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* changeButton(QWidget* parent, int id)
{
    return named(new QPushButton(QStringLiteral("Change"), parent), id);
}

QLabel* picture(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(CCreateCategoryDlg::kIconSize, CCreateCategoryDlg::kIconSize);
    return label;
}

} // namespace

CCreateCategoryDlg::CCreateCategoryDlg(UiServices& services, CCategory* editing, QWidget* parent)
    : QDialog(parent), m_services(services), m_qtChoosers(services.images), m_choosers(&m_qtChoosers),
      m_plainIcon(IconNames::cardTypeIconIndex(0))
{
    setWindowTitle(QString::fromLatin1(editing ? DialogTexts::kEditCategoryCaption : DialogTexts::kCreateCategoryCaption));
    m_name = named(new QLineEdit(this), kNameId);
    m_encrypt = named(new QCheckBox(QStringLiteral("Encrypt"), this), kEncryptId);
    if (editing) {
        m_cardType = editing->getDefaultCardType();
        // The category keeps the variant; the dialog works with the plain icon it stands for.
        CImageServer& images = services.images;
        m_plainIcon = images.imageIndex(images.iconName(editing->getIconIndex()), true);
        m_name->setText(toQString(editing->getName()));
        m_encrypt->setChecked(editing->isEncrypted());
        m_encrypt->setEnabled(editing->getParent() != nullptr);
    }
    m_cardTypePicture = picture(this);
    m_iconPicture = picture(this);
    QPushButton* changeCard = changeButton(this, kChangeCardId);
    QPushButton* changeIconButton = changeButton(this, kChangeIconId);
    connect(changeCard, &QPushButton::clicked, this, &CCreateCategoryDlg::changeCardType);
    connect(changeIconButton, &QPushButton::clicked, this, &CCreateCategoryDlg::changeIcon);
    connect(m_encrypt, &QCheckBox::clicked, this, &CCreateCategoryDlg::encryptClicked);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Name:"), this), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 3);
    grid->addWidget(named(new QLabel(QStringLiteral("Default Card:"), this), kDefaultCardLabelId), 1, 0);
    grid->addWidget(m_cardTypePicture, 1, 1);
    grid->addWidget(changeCard, 1, 2);
    grid->addWidget(named(new QLabel(QStringLiteral("Category Icon:"), this), kCategoryIconLabelId), 2, 0);
    grid->addWidget(m_iconPicture, 2, 1);
    grid->addWidget(changeIconButton, 2, 2);
    grid->addWidget(m_encrypt, 3, 0, 1, 2);

    // The dialog takes the size its controls need.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(okCancelRow(*this, QStringLiteral("Ok")));
    showPictures();
    m_name->setFocus();
    gDialogFixer.fixDialog(this);
}

CString CCreateCategoryDlg::name() const
{
    return fromQString(m_name->text().trimmed());
}

int CCreateCategoryDlg::iconIndex() const
{
    return m_services.images.variantIndex(m_plainIcon);
}

bool CCreateCategoryDlg::encrypt() const
{
    return m_encrypt->isChecked();
}

void CCreateCategoryDlg::accept()
{
    if (name().IsEmpty()) {
        m_services.ui.messageBox(DialogTexts::kEmptyCategoryName, MB_OK | MB_ICONWARNING);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

void CCreateCategoryDlg::changeCardType()
{
    if (const std::optional<int> chosen = m_choosers->chooseCardType(this, m_cardType)) {
        m_cardType = *chosen;
        showPictures();
    }
}

void CCreateCategoryDlg::changeIcon()
{
    if (const std::optional<int> chosen = m_choosers->chooseIcon(this)) {
        m_plainIcon = *chosen;
        showPictures();
    }
}

void CCreateCategoryDlg::encryptClicked(bool on)
{
    // Encrypting needs a key (a first password when the wallet has none);
    // so does ending it, since the sealed cards must be opened.
    CWalletDoc& document = m_services.document;
    const bool allowed = on ? document.ensureKeyForEncryption() : document.obtainDocumentKey() == CWalletDoc::kKeyHeld;
    if (!allowed)
        m_encrypt->setChecked(!on);
}

void CCreateCategoryDlg::showPictures()
{
    // The background loader may not have reached these icons yet.
    CImageServer& images = m_services.images;
    images.CreateIcon(images.iconName(IconNames::cardTypeIconIndex(m_cardType)));
    images.CreateIcon(images.iconName(m_plainIcon));
    m_cardTypePicture->setPixmap(cardTypeIcon(images, m_cardType).pixmap(kIconSize, kIconSize));
    m_iconPicture->setPixmap(catalogueIcon(images, iconIndex()).pixmap(kIconSize, kIconSize));
}

#include "search/TextSearch.h"

#include "cards/edit/ControlId.h"
#include "dialogs/DialogButtons.h"
#include "model/WalletDoc.h"
#include "search/SearchTexts.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kTextWidth = 180;

QCheckBox* checkBox(QWidget* parent, const char* text, int id)
{
    return named(new QCheckBox(QString::fromLatin1(text), parent), id);
}

// The first `length` characters of `text`, never half of a surrogate pair.
QString cutAt(const QString& text, int length)
{
    if (text.size() <= length)
        return text;
    return text.left(text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

} // namespace

RememberedSearchText& rememberedSearchText()
{
    static RememberedSearchText remembered;
    return remembered;
}

CTextSearch::CTextSearch(CWalletDoc& document, QWidget* parent) : QDialog(parent), m_document(document)
{
    setWindowTitle(QString::fromLatin1(SearchTexts::kSearchCaption));
    m_includeHidden = checkBox(this, SearchTexts::kIncludeHidden, kIncludeHiddenId);
    m_caseSensitive = checkBox(this, SearchTexts::kCaseSensitive, kCaseSensitiveId);
    m_text = named(new QLineEdit(this), kTextId);
    m_text->setMinimumWidth(kTextWidth);
    m_decrypt = checkBox(this, SearchTexts::kDecryptCategories, kDecryptId);
    if (const RememberedSearchText& remembered = rememberedSearchText(); remembered.remembered)
        m_text->setText(remembered.text);
    connect(m_decrypt, &QCheckBox::clicked, this, &CTextSearch::decryptClicked);

    auto* label = new QLabel(QString::fromLatin1(SearchTexts::kSearchFor), this);
    label->setBuddy(m_text);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(m_text);
    layout->addWidget(m_includeHidden);
    layout->addWidget(m_caseSensitive);
    layout->addWidget(m_decrypt);
    layout->addLayout(okCancelRow(*this));
    m_text->setFocus();
    m_text->selectAll();
    gDialogFixer.fixDialog(this);
}

SearchRequest CTextSearch::request() const
{
    return {m_text->text(), m_includeHidden->isChecked(), m_caseSensitive->isChecked(), m_decrypt->isChecked()};
}

void CTextSearch::accept()
{
    RememberedSearchText& remembered = rememberedSearchText();
    remembered.text = cutAt(m_text->text(), RememberedSearchText::kMaxLength);
    remembered.remembered = true;
    QDialog::accept();
}

void CTextSearch::decryptClicked(bool on)
{
    if (on && m_document.obtainDocumentKey() != CWalletDoc::kKeyHeld)
        m_decrypt->setChecked(false);
}

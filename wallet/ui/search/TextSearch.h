// The Search dialog: the text to look for, whether hidden fields and case
// count, and whether the encrypted categories are opened first. Checking
// "Decrypt Categories" asks for the password when no key is held; a refusal
// clears the box again. OK remembers the text for the next search of this run.
#pragma once

#include "search/SearchRequest.h"

#include <QDialog>

class CWalletDoc;
class QCheckBox;
class QLineEdit;

// The text the last confirmed search looked for, kept for the whole run (not
// stored): at most kMaxLength characters, as the wallet's buffer of 40 bytes
// with its terminator held them.
struct RememberedSearchText {
    static constexpr int kMaxLength = 39;
    QString text;
    bool remembered = false;
};
RememberedSearchText& rememberedSearchText();

class CTextSearch : public QDialog {
    Q_OBJECT
public:
    static constexpr int kIncludeHiddenId = 1165;
    static constexpr int kCaseSensitiveId = 1148;
    static constexpr int kTextId = 1000;
    static constexpr int kDecryptId = 1177;

    explicit CTextSearch(CWalletDoc& document, QWidget* parent = nullptr);

    SearchRequest request() const;
    // Remembers the text, then closes.
    void accept() override;

private:
    void decryptClicked(bool on);

    CWalletDoc& m_document;
    QCheckBox* m_includeHidden;
    QCheckBox* m_caseSensitive;
    QLineEdit* m_text;
    QCheckBox* m_decrypt;
};

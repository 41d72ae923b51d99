// A document test whose new strong files use cheap key-derivation
// parameters, with helpers that build strong wallets and read them back.
#pragma once

#include "model/DocumentFixture.h"

#include "cards/CardFactory.h"
#include "cards/FieldCard.h"
#include "model/DocumentTexts.h"
#include "model/StrongKeys.h"
#include "model/WalletStorage.h"

#include <sodium.h>

#include <string>
#include <vector>

using Messages = std::vector<std::string>;

class StrongTest : public DocumentTest {
protected:
    StrongTest()
    {
        const KdfParameters cheap{static_cast<std::uint32_t>(crypto_pwhash_ALG_ARGON2ID13), 1, crypto_pwhash_MEMLIMIT_MIN};
        setKdfParametersForNewFiles(&cheap);
        options.setLockoutEnabled(false);
    }
    ~StrongTest() override { setKdfParametersForNewFiles(nullptr); }

    void createStrong(const std::string& name = "wallet.wal")
    {
        answerPassword("pw", "pw");
        ASSERT_TRUE(doc->createWalletFile(walletPath(name), "My Wallet", WalletFormat::Strong));
    }
    bool openWith(const std::string& password, const std::string& name = "wallet.wal")
    {
        doc->deleteContents();
        answerPassword(password);
        return doc->openWalletFile(walletPath(name));
    }

    // The wallet at `name` as a fresh open with "pw" shows it, every sealed
    // card opened; or why it could not be read. The file is only viewed. The
    // test's document is made anew (the tree's services are process-wide).
    std::string contentOf(const std::string& name = "wallet.wal", const std::string& password = "pw")
    {
        doc.reset();
        std::string content = viewedContent(name, password);
        doc = std::make_unique<CWalletDoc>(ui, options, registry);
        doc->addObserver(&recorder);
        return content;
    }
    std::string viewedContent(const std::string& name, const std::string& password)
    {
        ScriptedUserInterface quiet;
        quiet.passwordAnswers = {{true, password, "", ""}, {true, password, "", ""}};
        CWalletDoc reader(quiet, options, registry);
        if (!reader.viewWalletFile(walletPath(name)))
            return "refused: " + (quiet.messages.empty() ? std::string() : quiet.messages.front());
        if (reader.hasPassword() && (reader.obtainDocumentKey() != CWalletDoc::kKeyHeld || !reader.decryptAllCategories()))
            return "undecryptable";
        return std::string(walletFormatName(reader.getFileFormat())) + ":" + describe(reader.getRoot());
    }

    // Every kind of card with its text fields set, in a plain category, in a
    // subcategory of it and in an encrypted one; every name, note and value
    // is noted in `secrets`.
    void fillEveryKind()
    {
        CCategory& kinds = addCategory(doc->getRoot(), "Kinds");
        CCategory& nested = addCategory(kinds, "Nested\xC3\xA9");
        ASSERT_TRUE(doc->ensureKeyForEncryption());
        CCategory& vault = addCategory(doc->getRoot(), "Vault", true);
        secrets.insert(secrets.end(), {"Kinds", "Nested\xC3\xA9", "Vault"});
        CCategory* targets[] = {&kinds, &nested, &vault};
        for (int typeId = 0; typeId < 27; ++typeId) {
            std::unique_ptr<CCard> card = createCard(typeId);
            const std::string tag = std::to_string(typeId);
            card->setName(("Card" + tag + "\xC3\xBC").c_str());
            card->getNotes() = ("notes of " + tag + " \xD0\x96").c_str();
            secrets.push_back("Card" + tag + "\xC3\xBC");
            secrets.push_back("notes of " + tag + " \xD0\x96");
            if (auto* fields = dynamic_cast<CFieldCard*>(card.get()))
                for (int field = 0; field < fields->fieldCount(); ++field)
                    if (fields->fieldType(field) == FieldType::Text) {
                        const std::string value = "v" + tag + "x" + std::to_string(field) + "q";
                        fields->setText(field, value.c_str());
                        secrets.push_back(value);
                    }
            addCard(*targets[typeId % 3], std::move(card));
        }
    }

    std::vector<std::string> secrets;
};

// Bytes of a UTF-8 text as UTF-16LE (the texts used here are two-byte at most).
inline Bytes utf16le(const std::string& text)
{
    const std::u16string wide = utf8ToWide(text);
    Bytes bytes;
    for (const char16_t unit : wide) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return bytes;
}

inline bool contains(const Bytes& haystack, const Bytes& needle)
{
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

// A wallet document over a temporary folder and registry, with the scripted
// user interface, and helpers that look at the wallet file's bytes.
#pragma once

#include "support/FaultyFileApi.h"
#include "support/RecordStreams.h"
#include "support/RegistryScope.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

#include "cards/CardFreeForm.h"
#include "cards/CardPassword.h"
#include "cards/CardWebSite.h"
#include "images/IconNames.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

inline Bytes readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::uint32_t u32At(const Bytes& bytes, std::size_t offset)
{
    return bytes.at(offset) | bytes.at(offset + 1) << 8 | bytes.at(offset + 2) << 16 | static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24;
}

// The tree as one line: names, notes, encrypted flags and sealed cards.
inline std::string describe(const CCategory& category)
{
    std::string text = category.getName().str() + (category.isEncrypted() ? "*{" : "{");
    for (const auto& card : category.getCards())
        text += card->getName().str() + "=" + card->getNotes().str() + ";";
    if (category.hasSealedCards())
        text += "sealed;";
    for (const auto& sub : category.getSubcategories())
        text += describe(*sub);
    return text + "}";
}

// Records the hints the document sends.
class HintRecorder : public IDocumentObserver {
public:
    std::vector<UpdateHint> hints;
    int contentsDeleting = 0;
    void onUpdate(const UpdateHint& hint) override { hints.push_back(hint); }
    void onContentsDeleting() override { ++contentsDeleting; }
};

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest()
    {
        registry.Create();
        doc = std::make_unique<CWalletDoc>(ui, options, registry);
        doc->addObserver(&recorder);
    }
    ~DocumentTest() override { doc.reset(); }

    std::string nativePath(const std::string& name = "wallet.wal") const { return dir.file(name); }
    CString walletPath(const std::string& name = "wallet.wal") const { return fromNativePath(nativePath(name)); }
    Bytes fileBytes() const { return readFileBytes(nativePath()); }

    void createWallet() { ASSERT_TRUE(doc->createWalletFile(walletPath(), "My Wallet")); }
    // Closes the wallet and opens it again.
    bool reopen()
    {
        doc->deleteContents();
        return doc->openWalletFile(walletPath());
    }

    void answerPassword(const std::string& first, const std::string& second = "", const std::string& third = "")
    {
        ui.passwordAnswers.push_back({true, first, second, third});
    }

    CCategory& addCategory(CCategory& parent, const char* name, bool encrypted = false)
    {
        auto category = std::make_unique<CCategory>(name, 1, 0, encrypted);
        CCategory* added = category.get();
        EXPECT_TRUE(doc->addCategory(parent, std::move(category)));
        return *added;
    }
    CCard& addCard(CCategory& category, std::unique_ptr<CCard> card)
    {
        CCard* added = card.get();
        EXPECT_TRUE(doc->addCard(category, std::move(card)));
        return *added;
    }
    static std::unique_ptr<CCard> freeForm(const char* name, const char* notes = "")
    {
        return std::make_unique<CCardFreeForm>(name, notes, false);
    }
    static std::unique_ptr<CCard> password(const char* name, const char* secret)
    {
        return std::make_unique<CCardPassword>(name, "", "sys", "me", secret, "");
    }

    // A wallet with a password "pw" and an encrypted category "Vault" that
    // holds a password card, a web site card and a free form card.
    CCategory& walletWithVault()
    {
        createWallet();
        answerPassword("pw", "pw");
        EXPECT_TRUE(doc->setPassword());
        CCategory& vault = addCategory(doc->getRoot(), "Vault", true);
        addCard(vault, password("Bank login", "s3cret"));
        addCard(vault, std::make_unique<CCardWebSite>("Mail", "n", "mail.example", "user", "webpw", "site info"));
        addCard(vault, freeForm("Diary", "private"));
        return vault;
    }

    static CCategory* child(CCategory& parent, const char* name)
    {
        for (const auto& sub : parent.getSubcategories())
            if (sub->getName() == name)
                return sub.get();
        return nullptr;
    }

    RegistryScope registryScope;
    TempDir dir;
    ScriptedUserInterface ui;
    CKeldraOptions options;
    CKeldraRegistry registry;
    HintRecorder recorder;
    std::unique_ptr<CWalletDoc> doc;
};

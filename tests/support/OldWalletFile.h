// Wallet files of versions 1 and 2, written field by field from their record
// layouts: version 1 stores a legacy icon number where version 2 stores the
// icon's name.
#pragma once

#include "support/FileEncodingStreams.h"

#include "model/CheckBlock.h"
#include "model/CryptRecord.h"
#include "zenthoLib/Base/SizedArray.h"

#include <cstdint>
#include <vector>

namespace OldWalletDetail {

inline void nodePart(COutputStream& out, unsigned int version, const char* name, int legacyIcon, const char* iconName,
                     const char* notes)
{
    out << CString(name);
    if (version == 1)
        out << legacyIcon;
    else
        out << CString(iconName);
    out << CString(notes) << 1234;
}

// A password card: system "sys", user "me", access info "info", notes "card notes".
inline void passwordCard(COutputStream& out, unsigned int version, const char* name, const char* secret)
{
    out << 19;
    nodePart(out, version, name, 22, "media\\icons\\Standart\\Password.ico", "card notes");
    out << 0xFFFFFFu << 0u << 0 << 0 << 0u << CString() << CString() << 0;
    out << CString("sys") << CString("me") << CString(secret) << CString("info");
}

inline void category(FileEncodingOutputStream& out, unsigned int version, const char* name, const std::vector<std::uint32_t>& subs,
                     const std::vector<std::uint32_t>& cards, bool encrypted)
{
    out << -1 << static_cast<unsigned int>(subs.size());
    for (std::uint32_t s : subs)
        out << s;
    out << static_cast<unsigned int>(cards.size());
    for (std::uint32_t c : cards)
        out << c;
    out << 19 << 0 << (encrypted ? 1 : 0);
    nodePart(out, version, name, 0, "media\\icons\\Standart\\DefaultCategory.ico", "");
}

} // namespace OldWalletDetail

// Root "Old wallet" { password card "Plain" (p1), category "Folder" { "Inner"
// (p2) } }, and with a key its check block and an encrypted category "Vault"
// holding the sealed card "Hidden" (p3). Empty when sealing failed.
inline std::vector<unsigned char> buildOldWallet(unsigned int version, const CCryptUtil* key)
{
    using namespace OldWalletDetail;
    FileEncodingOutputStream out;
    out << 1 << CString("wallet document version 1") << version << 68u << 0u;
    CSizedArray checkBlock;
    if (key && !makeStoredCheckBlock(*key, checkBlock))
        return {};
    out << checkBlock;
    const std::uint32_t plain = out.getDataSize();
    passwordCard(out, version, "Plain", "p1");
    const std::uint32_t inner = out.getDataSize();
    passwordCard(out, version, "Inner", "p2");
    const std::uint32_t folder = out.getDataSize();
    category(out, version, "Folder", {}, {inner}, false);
    std::vector<std::uint32_t> subs{folder};
    if (key) {
        // A sealed record holds the card in the memory streams' encodings.
        CSizedArray sealed;
        const auto writeCard = [&](COutputStream& record) {
            passwordCard(record, version, "Hidden", "p3");
            return record.getError() == 0;
        };
        if (!sealRecord(*key, writeCard, sealed))
            return {};
        const std::uint32_t sealedAt = out.getDataSize();
        out << sealed;
        const std::uint32_t vault = out.getDataSize();
        category(out, version, "Vault", {}, {sealedAt}, true);
        subs.push_back(vault);
    }
    const std::uint32_t root = out.getDataSize();
    category(out, version, "Old wallet", subs, {plain}, false);
    out.setCurrentPosition(68);
    out << root;
    return out.bytes;
}

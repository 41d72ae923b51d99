// Opening a sealed card record: decrypting under the key of "pw" and reading
// the card with the file version of the first byte. A card that opens seals
// and opens again to the same record.
#include "model/Card.h"
#include "model/CryptRecord.h"
#include "model/CryptUtil.h"
#include "model/NodeFactory.h"
#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/SmartPtr.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

CCryptUtil& key()
{
    static CSmartPtr<CCryptUtil> held = [] {
        CSmartPtr<CCryptUtil> made(new CCryptUtil);
        if (!made->init("pw"))
            std::abort();
        return made;
    }();
    return *held;
}

bool openCard(const CSizedArray& sealed, unsigned int version, std::unique_ptr<CNode>& node)
{
    return openSealedRecord(key(), sealed, [&](ZenthoIO::CInputStream& in) { return readNode(in, node, version); }) && node &&
           node->isCard();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 1 || size > 8192)
        return 0;
    const unsigned int version = 1 + data[0] % 3;
    CSizedArray sealed;
    if (!sealed.init(static_cast<std::uint32_t>(size - 1)))
        return 0;
    if (size > 1)
        std::memcpy(sealed.getData(), data + 1, size - 1);
    std::unique_ptr<CNode> card;
    if (!openCard(sealed, version, card))
        return 0;
    CSizedArray resealed, again;
    if (!sealRecord(key(), [&](COutputStream& out) { return card->save(out); }, resealed))
        return 0; // a card that grew past the sealing buffer in today's layout
    std::unique_ptr<CNode> reopened;
    if (!openCard(resealed, 3, reopened) ||
        !sealRecord(key(), [&](COutputStream& out) { return reopened->save(out); }, again) ||
        again.getSize() != resealed.getSize() || std::memcmp(again.getData(), resealed.getData(), again.getSize()) != 0)
        std::abort();
    return 0;
}

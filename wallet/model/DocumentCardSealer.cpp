#include "model/DocumentCardSealer.h"

#include "model/Category.h"
#include "model/CryptRecord.h"
#include "model/DocumentKey.h"
#include "model/NodeFactory.h"
#include "zenthoLib/Base/SizedArray.h"

namespace {

template <class Step>
bool everyCategory(CCategory& category, Step step)
{
    if (!step(category))
        return false;
    for (const auto& subcategory : category.getSubcategories())
        if (!everyCategory(*subcategory, step))
            return false;
    return true;
}

} // namespace

bool CDocumentCardSealer::hasDocumentKey() const { return documentKey() != nullptr; }

bool CDocumentCardSealer::openSealedCards(CCategory& category)
{
    if (!category.hasSealedCards())
        return true;
    const CCryptUtil* key = documentKey();
    if (!key)
        return false;
    const auto& records = category.getSealedCards();
    const auto& positions = category.getSealedPositions();
    std::vector<std::unique_ptr<CCard>> opened;
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::unique_ptr<CNode> node;
        const auto readCard = [&](ZenthoIO::CInputStream& in) { return readNode(in, node, category.getFormatVersion()); };
        if (!openSealedRecord(*key, records[i], readCard) || !node || !node->isCard())
            return false;
        node->setRecordPosition(positions[i]);
        opened.emplace_back(static_cast<CCard*>(node.release()));
    }
    for (auto& card : opened)
        category.insertCard(std::move(card));
    category.clearSealedCards();
    return true;
}

// Writing the record into the sealing buffer notes the buffer's offset as the
// card's position; the card keeps the offset of its record in the file.
bool CDocumentCardSealer::sealCard(CCard& card, CSizedArray& sealed)
{
    const CCryptUtil* key = documentKey();
    const std::uint32_t position = card.getPosition();
    const bool sealedOk = key && sealRecord(*key, [&](COutputStream& out) { return card.save(out); }, sealed);
    card.setPosition(position);
    return sealedOk;
}

bool CDocumentCardSealer::resealCards(CCategory& category)
{
    if (!category.isEncrypted() || category.hasSealedCards() || category.getCards().empty())
        return true;
    std::vector<CSizedArray> records;
    std::vector<std::uint32_t> positions;
    for (const auto& card : category.getCards()) {
        CSizedArray sealed;
        if (!sealCard(*card, sealed))
            return false;
        records.push_back(sealed);
        positions.push_back(card->getPosition());
    }
    category.deleteAllCards();
    category.setSealedCards(std::move(records), std::move(positions));
    return true;
}

bool CDocumentCardSealer::openAll(CCategory& category)
{
    return everyCategory(category, [this](CCategory& each) { return !each.isEncrypted() || openSealedCards(each); });
}

bool CDocumentCardSealer::resealAll(CCategory& category)
{
    return everyCategory(category, [this](CCategory& each) { return resealCards(each); });
}

bool hasEncryptedCategory(const CCategory& category)
{
    if (category.isEncrypted())
        return true;
    for (const auto& subcategory : category.getSubcategories())
        if (hasEncryptedCategory(*subcategory))
            return true;
    return false;
}

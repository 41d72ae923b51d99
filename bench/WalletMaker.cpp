#include "WalletMaker.h"

#include "BenchDocument.h"
#include "SampleText.h"

#include "CardValues.h"
#include "cards/CardFactory.h"
#include "cards/CardFieldNames.h"
#include "cards/FieldCard.h"
#include "images/IconNames.h"
#include "model/Category.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Every record gets a time from this one, so the records do not depend on
// the day the wallet was made.
constexpr std::int64_t kBaseTime = 1700000000;
constexpr int kCardsPerCategory = 100;
constexpr int kEncryptedEvery = 5;

void fillCard(CFieldCard& card, SampleText& sample)
{
    const std::span<const char* const> names = kindFieldNames(card.getKind().typeId);
    for (int field = 0; field < card.fieldCount(); ++field) {
        switch (card.fieldType(field)) {
        case FieldType::Text:
            card.setText(field, CString(sample.field(names[static_cast<std::size_t>(field)])));
            break;
        case FieldType::ListIndex:
            card.setNumber(field, sample.number(0, std::max(0, static_cast<int>(card.getKind().listTexts.size()) - 1)));
            break;
        case FieldType::Integer:
            card.setNumber(field, sample.number(0, 99));
            break;
        case FieldType::Boolean:
            card.setNumber(field, sample.number(0, 1));
            break;
        }
    }
    card.applyEditRules();
}

} // namespace

std::unique_ptr<CCard> makeSampleCard(int number, SampleText& sample)
{
    std::unique_ptr<CCard> card = createCard(number % IconNames::kCardTypeCount);
    CFieldCard& fields = fieldCard(*card);
    fields.setName(CString(sample.cardName()));
    fields.getNotes() = CString(sample.notes());
    fillCard(fields, sample);
    card->setModifiedTime(kBaseTime + number);
    return card;
}

CCategory* firstPlainCategory(CCategory& root)
{
    for (const auto& category : root.getSubcategories())
        if (!category->isEncrypted())
            return category.get();
    return nullptr;
}

bool makeWallet(const std::string& nativePath, const WalletShape& shape, std::string& error)
{
    BenchDocument bench;
    CWalletDoc& doc = bench.doc;
    SampleText sample(shape.seed, shape.lengths);

    const int categoryCount = std::max(1, shape.cardCount / kCardsPerCategory);
    const int topCount = std::max(1, static_cast<int>(std::lround(std::sqrt(categoryCount))));
    const bool anyEncrypted = categoryCount >= kEncryptedEvery;

    if (!doc.createWalletFile(fromNativePath(nativePath), "Benchmark Wallet") || (anyEncrypted && !doc.setPassword())) {
        error = bench.ui.lastMessage;
        return false;
    }
    std::vector<std::unique_ptr<CCategory>> categories;
    for (int i = 0; i < categoryCount; ++i) {
        const bool encrypted = i % kEncryptedEvery == kEncryptedEvery - 1;
        categories.push_back(std::make_unique<CCategory>(CString(sample.categoryName()), IconNames::kDefaultCategoryIndex, i % IconNames::kCardTypeCount, encrypted));
        categories.back()->setModifiedTime(kBaseTime);
    }
    for (int number = 0; number < shape.cardCount; ++number) {
        CCategory& category = *categories[static_cast<std::size_t>(number % categoryCount)];
        // A sealed card holds at most 4 096 bytes, four for each byte of its
        // texts, so the cards of encrypted categories keep everyday lengths.
        sample.setLengths(category.isEncrypted() ? SampleText::Lengths::Everyday : shape.lengths);
        category.insertCard(makeSampleCard(number, sample));
    }
    // The categories past the top level go below the top-level ones in turn.
    for (int i = categoryCount - 1; i >= topCount; --i)
        categories[static_cast<std::size_t>(i % topCount)]->insertCategory(std::move(categories[static_cast<std::size_t>(i)]));
    for (int i = 0; i < topCount; ++i) {
        if (!doc.addCategory(doc.getRoot(), std::move(categories[static_cast<std::size_t>(i)]), true)) {
            error = "the wallet could not take its categories: " + bench.ui.lastMessage;
            return false;
        }
    }
    return true;
}

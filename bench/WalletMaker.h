// Makes the wallets the benchmark measures, through the document as the
// program would: cards of every kind in a two-level tree of categories, one
// category per hundred cards, every fifth category encrypted under a
// password. The same shape always gives the same records.
#pragma once

#include "SampleText.h"

#include <cstdint>
#include <memory>
#include <string>

class CCard;
class CCategory;

struct WalletShape {
    int cardCount = 0;
    std::uint32_t seed = 1;
    SampleText::Lengths lengths = SampleText::Lengths::Everyday;
};

// Writes the wallet to `nativePath` (replacing any file there); false, with
// `error` set, when the document refused a step.
bool makeWallet(const std::string& nativePath, const WalletShape& shape, std::string& error);

// Card `number` of a made wallet: its kind is number modulo the kind count,
// its name, notes and fields come from `sample`.
std::unique_ptr<CCard> makeSampleCard(int number, SampleText& sample);

// The first category below the root that is not encrypted: where the
// benchmark's edits go.
CCategory* firstPlainCategory(CCategory& root);

// The names under which the tool shows and takes the fields of a card: the
// names the card classes give them, in stored order, and the names of the
// settings every card shares.
#pragma once

#include <span>
#include <string_view>

// The kind fields of card type `typeId` (0 to 26), in stored order.
std::span<const char* const> kindFieldNames(int typeId);
// The position of a kind field in stored order, or -1.
int kindFieldIndex(int typeId, std::string_view name);

// The type id of a kind named by its display name (letter case, blanks and
// punctuation ignored, so "credit card" and "CreditCard" both do) or by its
// number; kNoKind when nothing matches. "Category" gives -1.
inline constexpr int kNoKind = -2;
int typeIdFromKindName(std::string_view name);

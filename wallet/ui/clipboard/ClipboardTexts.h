// The texts of moving and copying nodes and of copying a card's field.
#pragma once

namespace ClipboardTexts {
// Resource string 65027.
inline constexpr const char* kOperationFailed = "Clipboard operation fail!";
// The drag format of a node; valid inside this program only.
inline constexpr const char* kNodeFormat = "KeldraNode";
// What tells clipboard managers and history tools not to keep a copied value.
inline constexpr const char* kPasswordHintFormat = "x-kde-passwordManagerHint";
inline constexpr const char* kSecretHint = "secret";
inline constexpr const char* kCopyFieldPrefix = "Copy ";
} // namespace ClipboardTexts

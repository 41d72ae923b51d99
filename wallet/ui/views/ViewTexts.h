// The texts the category tree, the card list and the card view show.
#pragma once

namespace ViewTexts {
// Resource string 65026.
inline constexpr const char* kDecryptError = "Error while decrypting cards!";
inline constexpr const char* kUpdateCardError = "Can't update item in storage!";
// The item that gives a closed encrypted category its expand button.
inline constexpr const char* kPlaceholder = "Dummy";
inline constexpr const char* kUpRow = "Up";
inline constexpr const char* kNameColumn = "Name";
inline constexpr const char* kTypeColumn = "Type";
inline constexpr const char* kModifiedColumn = "Modified";
inline constexpr const char* kModifiedFormat = "dd.MM.yyyy HH:mm";
} // namespace ViewTexts

// The card editor's messages and fixed captions.
#pragma once

namespace EditorTexts {

// 65015.
inline constexpr const char* kEmptyCardName = "Card name can not be empty string";

inline constexpr const char* kCreateCaption = "Create New Card";
// Followed by the card's name.
inline constexpr const char* kEditCaptionPrefix = "Edit ";
inline constexpr const char* kSelectCardCaption = "Select Card";

inline constexpr const char* kPictureFilter = "Graphic files|*.bmp;*.jpg;*.gif|All files(*.*)|*.*||";
inline constexpr const char* kSoundFilter = "Wave files (*.wav)|*.wav|";

} // namespace EditorTexts

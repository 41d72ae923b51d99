// The captions and labels of the search dialogs.
#pragma once

namespace SearchTexts {

inline constexpr const char* kSearchCaption = "Search";
inline constexpr const char* kIncludeHidden = "Search in Hidden Fields";
inline constexpr const char* kCaseSensitive = "Case Sensitive";
inline constexpr const char* kSearchFor = "Search For:";
inline constexpr const char* kDecryptCategories = "Decrypt Categories";

inline constexpr const char* kResultsCaption = "Search Results";
inline constexpr const char* kCardColumn = "Card";
inline constexpr const char* kCategoryColumn = "Category";

} // namespace SearchTexts

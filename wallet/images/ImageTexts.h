// The messages of the icon catalogue, with their string-table numbers.
#pragma once

namespace ImageTexts {

// 65020, with the icon file's full path.
inline constexpr const char* kMissingStandardIcon = "Missing standart icon file - '%s'";
// 65021, with the icon file's full path.
inline constexpr const char* kNeedsTwoSizes = "Icon file '%s' must contains 2 icons\n(16x16 and 32x32)";
// 65022, with width, height and the icon file's full path.
inline constexpr const char* kCannotCreateIconOfSize = "Cannot create icon %dx%d from '%s' file!";
// Shown when an image list cannot be created. The string table's 65023 repeats
// 65021, which names another failure, so the catalogue says what happened.
inline constexpr const char* kCannotCreateImageList = "Cannot create the icon image lists!";
// 65029, with the largest number of images a list holds.
inline constexpr const char* kTooManyIcons = "Maximum number %s icons is reached. Remove some and try again!";

inline constexpr const char* kCannotCreateListIcon = "Cannot create %s icon from bitmaps with index '%d', file '%s'";
inline constexpr const char* kCannotCreateVariant = "Cannot create icon from '%s' file!";
inline constexpr const char* kCannotCreateLoadedIcon = "Cannot create %s icon from file '%s'";

} // namespace ImageTexts

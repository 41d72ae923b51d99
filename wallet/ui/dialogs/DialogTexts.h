// The messages, captions and labels of the program's own dialogs.
#pragma once

namespace DialogTexts {

// The password dialog.
inline constexpr const char* kPasswordCaption = "Enter password";
inline constexpr const char* kSameAsOld = "New password is same as old password!";
inline constexpr const char* kConfirmMismatch = "New password and confirm password don't match!";

// The Options dialog.
inline constexpr const char* kOptionsCaption = "Options";
inline constexpr const char* kFieldEmpty = "Field cannot be empty";
inline constexpr const char* kFieldZero = "Field cannot be 0";

// The category dialog; 65016.
inline constexpr const char* kCreateCategoryCaption = "Create category";
inline constexpr const char* kEditCategoryCaption = "Edit category";
inline constexpr const char* kEmptyCategoryName = "Category name can not be empty string";

// The prompt when the last wallet is gone.
inline constexpr const char* kOpenFileCaption = "Open File";
inline constexpr const char* kLastFileMissing = "Last Opened File Does not Exist !";

// The New command.
inline constexpr const char* kWalletFilter = "Keldra files (*.wal)|*.wal|";
inline constexpr const char* kOverwriteQuestion = "File Exist. Overwrite?";

} // namespace DialogTexts

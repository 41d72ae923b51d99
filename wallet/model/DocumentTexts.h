// The texts the wallet document shows, each as the person sees it. The two
// numbered ones are entries of the application's string table.
#pragma once

namespace DocumentTexts {

// String 65024: the file was written by a newer version of the program.
inline constexpr const char* kNewerVersion =
    "This wallet was saved by a newer version of Keldra and cannot be opened here.\n"
    "Please get the latest version from https://keldra.org/download";
// String 65025.
inline constexpr const char* kUpgradeNeedsPassword = "Please input wallet password in order to upgrade wallet file to last version!";

inline constexpr const char* kCannotOpen = "Cannot open file!";
inline constexpr const char* kCannotCreate = "Cannot create file!";
inline constexpr const char* kInvalidFormat = "Invalid file format!";
inline constexpr const char* kReadOnly = "Can not open read-only files";
// A strong wallet whose bytes fail their authentication.
inline constexpr const char* kDamaged = "The wallet file is damaged or was changed!";
inline constexpr const char* kReadError = "An error occured while reading from file!";

inline constexpr const char* kPasswordInitError = "An error occured while initializing passwords!";
inline constexpr const char* kPasswordIncorrect = "Password is incorrect!";
inline constexpr const char* kWalletBlocked = "Wallet is blocked!";
inline constexpr const char* kPasswordsDoNotMatch = "Passwords entered do not match!";
inline constexpr const char* kSetPasswordError = "An error has occured while attempting to set password!";
inline constexpr const char* kRetypedDiffers = "New password and retyped password are not the same!";
inline constexpr const char* kChangePasswordError = "An error occurred while changing password!";
inline constexpr const char* kRekeyInternalError = "Unable to change password\ninternal error!";
inline constexpr const char* kRekeyOldPasswordWrong = "Unable to change password\nOld password is wrong!";
inline constexpr const char* kLockFailed = "Lock failed. Exiting ...";

inline constexpr const char* kDecryptBeforeExport = "Decrypt data before exporting?";
inline constexpr const char* kUnableToDecrypt = "Unable to decrypt data";
inline constexpr const char* kExportDone = "Export is done!";
inline constexpr const char* kExportFilter = "Text Files (*.txt)|*.txt|";
inline constexpr const char* kExportHeader = "Wallet version 1.0 Export file\r\n\r\n";
inline constexpr const char* kCategoryLabel = "Category : ";

inline constexpr const char* kNoMatches = "No matches found!";

// The exit code of the quit requests the document makes.
inline constexpr int kQuitExitCode = -1;

} // namespace DocumentTexts

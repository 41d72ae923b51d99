// The texts of the wallet's security: the Security dialog, the question
// before a wallet goes back to the classic format and the hint a classic
// wallet with sealed categories shows.
#pragma once

namespace SecurityTexts {
inline constexpr const char* kTitle = "Security";
inline constexpr const char* kKeptClassic = "This wallet is kept in the classic format.";
inline constexpr const char* kKeptStrong = "This wallet is kept in the strong format.";
inline constexpr const char* kClassic = "Classic: the format of the Windows program";
inline constexpr const char* kClassicDetails =
    "Only the cards of categories marked \"Encrypt\" are sealed, with a 40-bit key.\n"
    "Names, notes, the tree and every other card can be read by anyone who has the file.";
inline constexpr const char* kStrong = "Strong: encrypt the whole wallet";
inline constexpr const char* kStrongDetails =
    "Everything in the file is encrypted and authenticated under the wallet's password.\n"
    "The Windows program cannot open it.";
inline constexpr const char* kToClassicQuestion =
    "In the classic format anyone who has the file can read the names, the notes, the tree and every "
    "card outside sealed categories, and the sealed cards are kept with a 40-bit key.\n"
    "Write the wallet in the classic format?";
inline constexpr const char* kHint =
    "Only the sealed categories of this wallet are encrypted, with a 40-bit key. "
    "The strong format encrypts the whole wallet.";
inline constexpr const char* kHintButton = "Security...";
inline constexpr const char* kHintDismiss = "Do not show this again";
} // namespace SecurityTexts

// The REGEDIT4 text form of one registry root:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Quorvex\Keldra]
//   "lastFile"="\\My Documents\\My Wallet.wal"
//   @="default value"
//   "count"=dword:0000002a
//   "options"=hex:4c,00,00,00
//
// Strings escape only \\ and \". A string value that is not one line of text
// with its terminating zero, a DWORD value that is not 4 bytes, and values of
// other types are written as hex(type):bytes, so every value keeps its exact
// bytes. Long hex lines continue on the next line after ",\".
#pragma once

#include "platform/RegistryTree.h"

#include <string>
#include <string_view>

std::string formatRegistryText(const RegistryNode& root, std::string_view rootName);

// False when the text is not a REGEDIT4 file of the root `rootName`; `root`
// is then left unspecified. Comment lines (";") and blank lines are skipped,
// CR LF line ends are accepted.
bool parseRegistryText(std::string_view text, std::string_view rootName, RegistryNode& root);

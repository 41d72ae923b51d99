// The texts of moving in from other managers and out to them in the windows.
#pragma once

namespace ImportExportTexts {
inline constexpr const char* kImportTitle = "Import";
inline constexpr const char* kExportTitle = "Export";
inline constexpr const char* kImportFilter = "Exports of other password managers (*.xml *.csv *.json);;All files (*)";
// Followed by the file's name.
inline constexpr const char* kUnknownFormat = "Keldra cannot tell which format this file is in:";
inline constexpr const char* kUncertainFormat = "This file could be in more than one format:";
inline constexpr const char* kWhichFormat = "Which one is it?";
inline constexpr const char* kNotEncryptedQuestion =
    "The exported file is not encrypted: anyone who can read it can read every password in it. Continue?";
inline constexpr const char* kCannotCreateFile = "Cannot create file!";
inline constexpr const char* kCannotSaveCategory = "Cant save the category";
} // namespace ImportExportTexts

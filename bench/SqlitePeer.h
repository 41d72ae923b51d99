// The peer the wallet's open is compared with: an SQLite database holding
// the same records (one row per category and card, with the same names,
// icon names, notes and field texts), which the sqlite3 tool compacts with VACUUM.
#pragma once

#include <string>

class CCategory;

// Writes the SQL that creates the table of every node below `root` (whose
// sealed cards must be open); false when the file cannot be written.
bool writeSqlRecords(CCategory& root, const std::string& sqlPath);

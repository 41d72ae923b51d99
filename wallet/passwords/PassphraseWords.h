// The word list for passphrases, built into the program from
// media/wordlists/eff_large_wordlist.txt (licence beside it).
#pragma once

#include <string_view>
#include <vector>

const std::vector<std::string_view>& passphraseWords();

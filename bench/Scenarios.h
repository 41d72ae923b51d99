// What the benchmark measures. Each scenario times a wallet operation and
// its reference in the same run, interleaved, and gives rows of the table.
#pragma once

#include <string>
#include <vector>

struct ResultRow {
    std::string measure;
    std::string reference;
    int cards = 0;
    // Milliseconds, or megabytes for memory.
    double keldra = 0;
    double referenceValue = 0;
    const char* unit = "ms";
    // The highest ratio keldra / reference the wallet aims at; 0 for none.
    double limit = 0;
    std::string note;
    // The wallet's text lengths: "everyday" or "long".
    std::string texts = "everyday";
};

struct BenchSettings {
    std::string folder;
    int runs = 5;
    int editCycles = 15;
};

using Rows = std::vector<ResultRow>;

// Open (read, compact, replace, read again) against cp + sync + cat of the
// same file and against VACUUM of an SQLite table of the same records.
bool benchOpen(const BenchSettings& settings, const std::string& wallet, int cards, Rows& rows);
// Search of every card against grep -ci over the text export, and the export
// against cp of the exported text.
bool benchSearchAndExport(const BenchSettings& settings, const std::string& wallet, int cards, Rows& rows);
// Adding, updating and deleting a card in the large wallet against the same
// edits in the small one, with the bytes each appends.
bool benchEdits(const BenchSettings& settings, const std::string& largeWallet, int largeCards, const std::string& smallWallet,
                int smallCards, Rows& rows);
// The same wallet converted to the strong format with the default key
// derivation: its open against the classic open plus the key derivation,
// its edits against the classic ones, its size against the classic file's.
bool benchStrong(const BenchSettings& settings, const std::string& classicWallet, int cards, Rows& rows);
// The tool's tree and search through the view that reads without writing,
// against the open they went through before, with the bytes each wrote.
bool benchViewing(const BenchSettings& settings, const std::string& wallet, int cards, Rows& rows);
// The peak memory of a process that opens the wallet, against the file size.
// `self` is this program, which `measureOpenMemory` runs in the child.
bool benchMemory(const std::string& self, const std::string& wallet, int cards, Rows& rows);
// In the child: opens the wallet and prints the resident bytes before and the peak after.
int measureOpenMemory(const std::string& wallet);
// Opens the wallet `times` times in one process and prints each time: the
// open of a warm process, to profile (perf record, valgrind).
int openRepeatedly(const std::string& wallet, int times);

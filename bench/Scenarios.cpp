#include "Scenarios.h"

#include "BenchDocument.h"
#include "Measure.h"
#include "SampleText.h"
#include "SqlitePeer.h"
#include "WalletMaker.h"

#include "CardValues.h"
#include "cards/FieldCard.h"
#include "model/Category.h"
#include "model/SearchResult.h"
#include "model/StrongKeys.h"
#include "model/WalletStorage.h"

#include <sodium.h>

#include <array>
#include <filesystem>

#include <cstdio>
#include <iostream>
#include <memory>

namespace {

constexpr double kMillisecondsPerSecond = 1000.0;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

// A card kind every edit uses: the password card, the one people edit most.
constexpr int kEditedKind = 19;

bool fail(const std::string& what, const std::string& why)
{
    std::cerr << "keldraBench: " << what << " failed" << (why.empty() ? "" : ": " + why) << "\n";
    return false;
}

// Times `step` into `samples`; false when the step failed.
bool timeInto(Samples& samples, const std::function<bool()>& step)
{
    bool ok = false;
    samples.add(secondsOf(step, ok));
    return ok;
}

double milliseconds(const Samples& samples) { return samples.median() * kMillisecondsPerSecond; }

bool makeSqliteDatabase(const std::string& wallet, const std::string& database)
{
    BenchDocument bench;
    const std::string sql = database + ".sql";
    if (!bench.open(wallet) || bench.doc.obtainDocumentKey() != CWalletDoc::kKeyHeld || !bench.doc.decryptAllCategories())
        return fail("reading " + wallet + " for the SQLite table", bench.ui.lastMessage);
    if (!writeSqlRecords(bench.doc.getRoot(), sql))
        return fail("writing " + sql, "");
    std::remove(database.c_str());
    return runCommand("sqlite3 " + shellQuoted(database) + " < " + shellQuoted(sql)) || fail("sqlite3 loading " + sql, "");
}

} // namespace

bool benchOpen(const BenchSettings& settings, const std::string& wallet, int cards, Rows& rows)
{
    const std::string copy = wallet + ".copy";
    const std::string database = wallet + ".sqlite";
    if (!makeSqliteDatabase(wallet, database))
        return false;
    const std::string floor = "cp " + shellQuoted(wallet) + " " + shellQuoted(copy) + " && sync " + shellQuoted(copy) + " && cat " +
                              shellQuoted(copy) + " > /dev/null";
    const std::string vacuum = "sqlite3 " + shellQuoted(database) + " VACUUM";
    Samples floorTimes, openTimes, vacuumTimes;
    for (int run = 0; run < settings.runs; ++run) {
        BenchDocument bench;
        if (!timeInto(floorTimes, [&] { return runCommand(floor); }))
            return fail(floor, "");
        if (!timeInto(openTimes, [&] { return bench.open(wallet); }))
            return fail("opening " + wallet, bench.ui.lastMessage);
        bench.doc.deleteContents();
        if (!timeInto(vacuumTimes, [&] { return runCommand(vacuum); }))
            return fail(vacuum, "");
    }
    std::remove(copy.c_str());
    const std::string sizes = std::to_string(fileSize(wallet) / 1024) + " KiB wallet, " + std::to_string(fileSize(database) / 1024) + " KiB database";
    rows.push_back({"open (read, compact, replace, read)", "cp + sync + cat", cards, milliseconds(openTimes), milliseconds(floorTimes), "ms", 3.0, sizes});
    rows.push_back({"open (read, compact, replace, read)", "sqlite3 VACUUM", cards, milliseconds(openTimes), milliseconds(vacuumTimes), "ms", 1.0, ""});
    return true;
}

bool benchSearchAndExport(const BenchSettings& settings, const std::string& wallet, int cards, Rows& rows)
{
    const std::string exported = wallet + ".txt";
    const std::string copy = exported + ".copy";
    BenchDocument bench;
    bench.ui.savePath = fromNativePath(exported);
    const CString word(SampleText::kSearchedWord);
    const auto search = [&] { return bench.doc.search(word, true, false, true); };
    // The first search opens the sealed cards; the measured ones search only.
    if (!bench.open(wallet) || !search())
        return fail("searching " + wallet, bench.ui.lastMessage);
    const int hits = bench.doc.getSearchResult()->getCount();
    const std::string grep = "grep -ci " + shellQuoted(word.str()) + " " + shellQuoted(exported) + " > " + shellQuoted(exported + ".count");
    const std::string cp = "cp " + shellQuoted(exported) + " " + shellQuoted(copy);
    Samples exportTimes, copyTimes, searchTimes, grepTimes;
    for (int run = 0; run < settings.runs; ++run) {
        if (!timeInto(exportTimes, [&] {
                bench.doc.exportWallet();
                return fileSize(exported) != 0;
            }))
            return fail("exporting " + wallet, bench.ui.lastMessage);
        if (!timeInto(copyTimes, [&] { return runCommand(cp); }))
            return fail(cp, "");
        if (!timeInto(searchTimes, search))
            return fail("searching " + wallet, bench.ui.lastMessage);
        if (!timeInto(grepTimes, [&] { return runCommand(grep); }))
            return fail(grep, "");
    }
    std::remove(copy.c_str());
    rows.push_back({"search, every field", "grep -ci over the export", cards, milliseconds(searchTimes), milliseconds(grepTimes), "ms", 2.0,
                    std::to_string(hits) + " cards found"});
    rows.push_back({"text export", "cp of the export", cards, milliseconds(exportTimes), milliseconds(copyTimes), "ms", 0,
                    std::to_string(fileSize(exported) / 1024) + " KiB text"});
    return true;
}

namespace {

struct EditTimes {
    Samples add, update, remove;
    std::uint64_t addBytes = 0, updateBytes = 0, removeBytes = 0;
};

// One card added, changed and deleted in the wallet's first plain category.
bool editCycle(BenchDocument& bench, const std::string& wallet, int cycle, EditTimes& times)
{
    CCategory* category = firstPlainCategory(bench.doc.getRoot());
    if (!category)
        return fail("finding a plain category in " + wallet, "");
    SampleText sample(static_cast<std::uint32_t>(cycle));
    std::unique_ptr<CCard> made = makeSampleCard(kEditedKind, sample);
    CCard* card = made.get();
    std::uint64_t size = fileSize(wallet);
    const auto appended = [&](std::uint64_t& bytes) {
        const std::uint64_t now = fileSize(wallet);
        bytes = now - size;
        size = now;
    };
    if (!timeInto(times.add, [&] { return bench.doc.addCard(*category, std::move(made)); }))
        return fail("adding a card to " + wallet, bench.ui.lastMessage);
    appended(times.addBytes);
    fieldCard(*card).setText(2, CString(sample.field("password")));
    card->setName(CString(sample.cardName()));
    if (!timeInto(times.update, [&] { return bench.doc.updateCard(*card); }))
        return fail("updating a card of " + wallet, bench.ui.lastMessage);
    appended(times.updateBytes);
    if (!timeInto(times.remove, [&] { return bench.doc.deleteCard(card); }))
        return fail("deleting a card of " + wallet, bench.ui.lastMessage);
    appended(times.removeBytes);
    return true;
}

// The bytes an edit appended, next to those of its reference (`where`).
std::string bytesNote(std::uint64_t measured, std::uint64_t reference, const char* where = "in the small wallet")
{
    return "appends " + std::to_string(measured) + " bytes (" + std::to_string(reference) + " " + where + ")";
}

} // namespace

bool benchEdits(const BenchSettings& settings, const std::string& largeWallet, int largeCards, const std::string& smallWallet,
                int smallCards, Rows& rows)
{
    BenchDocument large, small;
    if (!large.open(largeWallet) || !small.open(smallWallet))
        return fail("opening the wallets for the edits", large.ui.lastMessage + small.ui.lastMessage);
    EditTimes largeTimes, smallTimes;
    for (int cycle = 0; cycle < settings.editCycles; ++cycle) {
        if (!editCycle(large, largeWallet, cycle, largeTimes) || !editCycle(small, smallWallet, cycle, smallTimes))
            return false;
    }
    const std::string reference = "same edit, " + std::to_string(smallCards) + " cards";
    rows.push_back({"add a card", reference, largeCards, milliseconds(largeTimes.add), milliseconds(smallTimes.add), "ms", 1.5,
                    bytesNote(largeTimes.addBytes, smallTimes.addBytes)});
    rows.push_back({"update a card", reference, largeCards, milliseconds(largeTimes.update), milliseconds(smallTimes.update), "ms", 1.5,
                    bytesNote(largeTimes.updateBytes, smallTimes.updateBytes)});
    rows.push_back({"delete a card", reference, largeCards, milliseconds(largeTimes.remove), milliseconds(smallTimes.remove), "ms", 1.5,
                    bytesNote(largeTimes.removeBytes, smallTimes.removeBytes)});
    return true;
}

bool benchStrong(const BenchSettings& settings, const std::string& classicWallet, int cards, Rows& rows)
{
    const std::string strongWallet = classicWallet + ".strong.wal";
    std::filesystem::copy_file(classicWallet, strongWallet, std::filesystem::copy_options::overwrite_existing);
    {
        BenchDocument converting;
        if (!converting.open(strongWallet) || !converting.doc.convertWalletFile(WalletFormat::Strong))
            return fail("converting " + strongWallet, converting.ui.lastMessage);
    }
    const KdfParameters kdf = kdfParametersForNewFiles();
    std::array<unsigned char, crypto_pwhash_SALTBYTES> salt{};
    Samples strongOpen, classicOpen, derivation;
    for (int run = 0; run < settings.runs; ++run) {
        BenchDocument strong, classic;
        if (!timeInto(strongOpen, [&] { return strong.open(strongWallet); }))
            return fail("opening " + strongWallet, strong.ui.lastMessage);
        strong.doc.deleteContents();
        if (!timeInto(classicOpen, [&] { return classic.open(classicWallet); }))
            return fail("opening " + classicWallet, classic.ui.lastMessage);
        classic.doc.deleteContents();
        GuardedKey key;
        if (!timeInto(derivation, [&] { return derivePasswordKey(BenchUserInterface::kPassword, salt.data(), kdf, key); }))
            return fail("deriving a key", "");
    }
    const std::string parameters = "Argon2id, " + std::to_string(kdf.opsLimit) + " passes, " + std::to_string(kdf.memLimit >> 20) + " MiB";
    rows.push_back({"key derivation (default parameters)", "0.5 s .. 1 s", cards, milliseconds(derivation), 1000.0, "ms", 1.0, parameters});
    rows.push_back({"strong open", "classic open + derivation", cards, milliseconds(strongOpen), milliseconds(classicOpen) + milliseconds(derivation),
                    "ms", 1.5, "classic open " + std::to_string(static_cast<int>(milliseconds(classicOpen))) + " ms"});
    rows.push_back({"strong file size", "classic file size", cards, static_cast<double>(fileSize(strongWallet)) / kBytesPerMegabyte,
                    static_cast<double>(fileSize(classicWallet)) / kBytesPerMegabyte, "MiB", 1.3, "both just compacted"});

    BenchDocument strong, classic;
    if (!strong.open(strongWallet) || !classic.open(classicWallet))
        return fail("opening the wallets for the strong edits", strong.ui.lastMessage + classic.ui.lastMessage);
    EditTimes strongTimes, classicTimes;
    for (int cycle = 0; cycle < settings.editCycles; ++cycle)
        if (!editCycle(strong, strongWallet, cycle, strongTimes) || !editCycle(classic, classicWallet, cycle, classicTimes))
            return false;
    rows.push_back({"strong: add a card", "classic: add a card", cards, milliseconds(strongTimes.add), milliseconds(classicTimes.add), "ms", 2.0,
                    bytesNote(strongTimes.addBytes, classicTimes.addBytes, "classic")});
    rows.push_back({"strong: update a card", "classic: update a card", cards, milliseconds(strongTimes.update), milliseconds(classicTimes.update),
                    "ms", 2.0, bytesNote(strongTimes.updateBytes, classicTimes.updateBytes, "classic")});
    rows.push_back({"strong: delete a card", "classic: delete a card", cards, milliseconds(strongTimes.remove), milliseconds(classicTimes.remove),
                    "ms", 2.0, bytesNote(strongTimes.removeBytes, classicTimes.removeBytes, "classic")});
    strong.doc.deleteContents();
    std::filesystem::remove(strongWallet);
    return true;
}

int measureOpenMemory(const std::string& wallet)
{
    const std::uint64_t before = peakResidentBytes();
    BenchDocument bench;
    if (!bench.open(wallet))
        return fail("opening " + wallet, bench.ui.lastMessage) ? 0 : 1;
    std::cout << before << " " << peakResidentBytes() << "\n";
    return 0;
}

int openRepeatedly(const std::string& wallet, int times)
{
    BenchDocument bench;
    for (int run = 0; run < times; ++run) {
        bool ok = false;
        const double seconds = secondsOf([&] { return bench.open(wallet); }, ok);
        if (!ok)
            return fail("opening " + wallet, bench.ui.lastMessage) ? 0 : 1;
        std::cout << seconds * kMillisecondsPerSecond << " ms\n";
    }
    return 0;
}

bool benchMemory(const std::string& self, const std::string& wallet, int cards, Rows& rows)
{
    const std::string command = shellQuoted(self) + " --open-memory " + shellQuoted(wallet);
    FILE* child = popen(command.c_str(), "r");
    unsigned long long before = 0, peak = 0;
    const bool read = child && std::fscanf(child, "%llu %llu", &before, &peak) == 2;
    if (child)
        pclose(child);
    if (!read)
        return fail(command, "");
    rows.push_back({"memory while open (peak growth)", "wallet file size", cards, static_cast<double>(peak - before) / kBytesPerMegabyte,
                    static_cast<double>(fileSize(wallet)) / kBytesPerMegabyte, "MiB", 4.0,
                    "whole process peak " + std::to_string(peak / (1024 * 1024)) + " MiB"});
    return true;
}

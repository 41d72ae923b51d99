// keldraBench: makes wallets of 1 000, 10 000 and 100 000 cards and measures
// the wallet's open, edits, search, export and memory against references
// timed in the same run, then prints the table of ratios.
//
//   keldraBench FOLDER [--cards 1000,10000,100000] [--runs N] [--edit-cycles N]
//   keldraBench --open-repeatedly WALLET N    (N opens in one process, for profiling)
#include "Measure.h"
#include "Scenarios.h"
#include "WalletMaker.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace {

// The wallet every edit of the large one is compared with.
constexpr int kSmallWalletCards = 10;
constexpr std::uint32_t kSeed = 20240611;

struct Arguments {
    BenchSettings settings;
    std::vector<int> cardCounts{1000, 10000, 100000};
};

bool parseArguments(int argc, char** argv, Arguments& arguments)
{
    if (argc < 2)
        return false;
    arguments.settings.folder = argv[1];
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--runs") {
            arguments.settings.runs = std::max(1, std::atoi(value.c_str()));
        } else if (option == "--edit-cycles") {
            arguments.settings.editCycles = std::max(1, std::atoi(value.c_str()));
        } else if (option == "--cards") {
            arguments.cardCounts.clear();
            std::istringstream list(value);
            for (std::string count; std::getline(list, count, ',');)
                arguments.cardCounts.push_back(std::atoi(count.c_str()));
        } else {
            return false;
        }
    }
    return argc % 2 == 0 && !arguments.cardCounts.empty();
}

std::string walletPath(const std::string& folder, int cards) { return folder + "/wallet-" + std::to_string(cards) + ".wal"; }

std::string selfPath()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

// The registry and the trace log of the run stay in its folder.
void keepSettingsIn(const std::string& folder)
{
    std::filesystem::create_directories(folder + "/registry");
    setenv("KELDRA_REGISTRY", (folder + "/registry").c_str(), 1);
    setenv("KELDRA_DRIVE_C", folder.c_str(), 1);
}

void printTable(const Rows& rows)
{
    std::printf("%-36s %7s %10s  %-26s %10s %7s %7s  %s\n", "measure", "cards", "Keldra", "reference", "ref", "ratio", "target", "note");
    for (const ResultRow& row : rows) {
        const double ratio = row.referenceValue > 0 ? row.keldra / row.referenceValue : 0;
        char target[16] = "-";
        if (row.limit > 0)
            std::snprintf(target, sizeof target, "%s%.1f", ratio <= row.limit ? "<=" : "MISS>", row.limit);
        std::printf("%-36s %7d %7.2f %-3s %-26s %7.2f %-3s %6.2fx %7s  %s\n", row.measure.c_str(), row.cards, row.keldra, row.unit,
                    row.reference.c_str(), row.referenceValue, row.unit, ratio, target, row.note.c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--open-memory")
        return measureOpenMemory(argv[2]);
    if (argc == 4 && std::string(argv[1]) == "--open-repeatedly")
        return openRepeatedly(argv[2], std::max(1, std::atoi(argv[3])));
    Arguments arguments;
    if (!parseArguments(argc, argv, arguments)) {
        std::cerr << "usage: keldraBench FOLDER [--cards 1000,10000,100000] [--runs N] [--edit-cycles N]\n";
        return 2;
    }
    const std::string& folder = arguments.settings.folder;
    keepSettingsIn(folder);

    std::vector<int> made = arguments.cardCounts;
    made.push_back(kSmallWalletCards);
    for (const int cards : made) {
        std::string error;
        bool ok = false;
        const double seconds = secondsOf([&] { return makeWallet(walletPath(folder, cards), {cards, kSeed}, error); }, ok);
        if (!ok) {
            std::cerr << "keldraBench: making the wallet of " << cards << " cards failed: " << error << "\n";
            return 1;
        }
        std::cerr << "made " << walletPath(folder, cards) << " (" << fileSize(walletPath(folder, cards)) / 1024 << " KiB) in " << seconds << " s\n";
    }

    Rows rows;
    const std::string self = selfPath();
    for (const int cards : arguments.cardCounts) {
        const std::string wallet = walletPath(folder, cards);
        if (!benchOpen(arguments.settings, wallet, cards, rows) || !benchSearchAndExport(arguments.settings, wallet, cards, rows) ||
            !benchViewing(arguments.settings, wallet, cards, rows) ||
            !benchMemory(self, wallet, cards, rows))
            return 1;
    }
    const int largest = *std::max_element(arguments.cardCounts.begin(), arguments.cardCounts.end());
    if (!benchEdits(arguments.settings, walletPath(folder, largest), largest, walletPath(folder, kSmallWalletCards), kSmallWalletCards, rows))
        return 1;
    printTable(rows);
    return 0;
}

// keldraBench: makes wallets of 1 000, 10 000 and 100 000 cards of everyday
// lengths and one of 100 000 cards with long texts, measures the wallet's
// open, edits, search, export and memory against references timed in the
// same run, then prints the table of ratios.
//
//   keldraBench FOLDER [--cards 1000,10000,100000] [--long-cards 100000|none] [--runs N] [--edit-cycles N]
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
    std::vector<int> longCardCounts{100000};
};

// "1000,10000" into its numbers; "none" gives none.
std::vector<int> countList(const std::string& text)
{
    std::vector<int> counts;
    std::istringstream list(text == "none" ? std::string() : text);
    for (std::string count; std::getline(list, count, ',');)
        counts.push_back(std::atoi(count.c_str()));
    return counts;
}

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
            arguments.cardCounts = countList(value);
        } else if (option == "--long-cards") {
            arguments.longCardCounts = countList(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 0 && !(arguments.cardCounts.empty() && arguments.longCardCounts.empty());
}

// One wallet the benchmark makes and measures.
struct BenchWallet {
    std::string path;
    WalletShape shape;
    const char* texts; // the table's name of its text lengths
};

BenchWallet benchWallet(const std::string& folder, int cards, SampleText::Lengths lengths)
{
    const bool longTexts = lengths == SampleText::Lengths::Long;
    return {folder + (longTexts ? "/wallet-long-" : "/wallet-") + std::to_string(cards) + ".wal", {cards, kSeed, lengths},
            longTexts ? "long" : "everyday"};
}

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
    std::printf("%-36s %-8s %7s %10s  %-26s %10s %7s %7s  %s\n", "measure", "texts", "cards", "Keldra", "reference", "ref", "ratio", "target",
                "note");
    for (const ResultRow& row : rows) {
        const double ratio = row.referenceValue > 0 ? row.keldra / row.referenceValue : 0;
        char target[16] = "-";
        if (row.limit > 0)
            std::snprintf(target, sizeof target, "%s%.1f", ratio <= row.limit ? "<=" : "MISS>", row.limit);
        std::printf("%-36s %-8s %7d %7.2f %-3s %-26s %7.2f %-3s %6.2fx %7s  %s\n", row.measure.c_str(), row.texts.c_str(), row.cards,
                    row.keldra, row.unit,
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
        std::cerr << "usage: keldraBench FOLDER [--cards 1000,10000,100000] [--long-cards 100000|none] [--runs N] [--edit-cycles N]\n";
        return 2;
    }
    const std::string& folder = arguments.settings.folder;
    keepSettingsIn(folder);

    std::vector<BenchWallet> measured;
    for (const int cards : arguments.cardCounts)
        measured.push_back(benchWallet(folder, cards, SampleText::Lengths::Everyday));
    for (const int cards : arguments.longCardCounts)
        measured.push_back(benchWallet(folder, cards, SampleText::Lengths::Long));
    const BenchWallet small = benchWallet(folder, kSmallWalletCards, SampleText::Lengths::Everyday);
    std::vector<BenchWallet> made = measured;
    made.push_back(small);
    for (const BenchWallet& wallet : made) {
        std::string error;
        bool ok = false;
        const double seconds = secondsOf([&] { return makeWallet(wallet.path, wallet.shape, error); }, ok);
        if (!ok) {
            std::cerr << "keldraBench: making " << wallet.path << " failed: " << error << "\n";
            return 1;
        }
        std::cerr << "made " << wallet.path << " (" << fileSize(wallet.path) / 1024 << " KiB) in " << seconds << " s\n";
    }

    Rows rows;
    const std::string self = selfPath();
    for (const BenchWallet& wallet : measured) {
        const std::size_t first = rows.size();
        const int cards = wallet.shape.cardCount;
        if (!benchOpen(arguments.settings, wallet.path, cards, rows) || !benchSearchAndExport(arguments.settings, wallet.path, cards, rows) ||
            !benchViewing(arguments.settings, wallet.path, cards, rows) ||
            !benchMemory(self, wallet.path, cards, rows))
            return 1;
        for (std::size_t row = first; row < rows.size(); ++row)
            rows[row].texts = wallet.texts;
    }
    // The edits go into the largest wallet of everyday lengths.
    if (!arguments.cardCounts.empty()) {
        const int largest = *std::max_element(arguments.cardCounts.begin(), arguments.cardCounts.end());
        const BenchWallet large = benchWallet(folder, largest, SampleText::Lengths::Everyday);
        const std::size_t first = rows.size();
        if (!benchEdits(arguments.settings, large.path, largest, small.path, kSmallWalletCards, rows) ||
            !benchStrong(arguments.settings, large.path, largest, rows))
            return 1;
        for (std::size_t row = first; row < rows.size(); ++row)
            rows[row].texts = large.texts;
    }
    printTable(rows);
    return 0;
}

// The tool's commands that only look (tree, search): their view of the
// wallet, which reads without writing, against the open they used before
// (read, compact, replace, read), with the bytes each wrote.
#include "Scenarios.h"

#include "BenchDocument.h"
#include "Measure.h"
#include "SampleText.h"

#include "model/Category.h"

#include <fstream>
#include <iostream>

namespace {

// The bytes this process has handed to write calls so far (/proc/self/io).
std::uint64_t bytesWritten()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "wchar:")
            return value;
    }
    return 0;
}

struct Way {
    Samples times;
    std::uint64_t written = 0;
};

// Times `read` followed by `then` on a fresh document, adding up the bytes written.
bool measure(Way& way, const std::function<bool(BenchDocument&)>& read, const std::function<bool(BenchDocument&)>& then)
{
    BenchDocument bench;
    const std::uint64_t before = bytesWritten();
    bool ok = false;
    way.times.add(secondsOf([&] { return read(bench) && then(bench); }, ok));
    way.written += bytesWritten() - before;
    if (!ok)
        std::cerr << "keldraBench: " << bench.ui.lastMessage << "\n";
    return ok;
}

} // namespace

bool benchViewing(const BenchSettings& settings, const std::string& wallet, int cards, Rows& rows)
{
    const auto opened = [&](BenchDocument& bench) { return bench.open(wallet); };
    const auto viewed = [&](BenchDocument& bench) { return bench.doc.viewWalletFile(fromNativePath(wallet)); };
    const auto listed = [](BenchDocument& bench) { return !bench.doc.getRoot().getName().IsEmpty(); };
    const CString word(SampleText::kSearchedWord);
    // As the tool's search without --decrypt: the plain cards.
    const auto searched = [&](BenchDocument& bench) { return bench.doc.search(word, true, false, false); };
    Way treeView, treeOpen, searchView, searchOpen;
    for (int run = 0; run < settings.runs; ++run) {
        if (!measure(treeOpen, opened, listed) || !measure(treeView, viewed, listed) || !measure(searchOpen, opened, searched) ||
            !measure(searchView, viewed, searched))
            return false;
    }
    const auto note = [&](const Way& view, const Way& open) {
        return "bytes written per run: " + std::to_string(view.written / static_cast<std::uint64_t>(settings.runs)) + " (before: " +
               std::to_string(open.written / static_cast<std::uint64_t>(settings.runs)) + ")";
    };
    rows.push_back({"keldra-cli tree (view)", "tree as before (open)", cards, treeView.times.median() * 1000,
                    treeOpen.times.median() * 1000, "ms", 0.5, note(treeView, treeOpen)});
    rows.push_back({"keldra-cli search (view)", "search as before (open)", cards, searchView.times.median() * 1000,
                    searchOpen.times.median() * 1000, "ms", 0.5, note(searchView, searchOpen)});
    return true;
}

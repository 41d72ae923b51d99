#include "Measure.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

std::uint64_t statusValue(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::strtoull(line.c_str() + key.size() + 1, nullptr, 10) * 1024;
    }
    return 0;
}

} // namespace

double secondsOf(const std::function<bool()>& step, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Samples::median() const
{
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

bool runCommand(const std::string& command)
{
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::uint64_t fileSize(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

std::uint64_t residentBytes() { return statusValue("VmRSS"); }

std::uint64_t peakResidentBytes() { return statusValue("VmHWM"); }

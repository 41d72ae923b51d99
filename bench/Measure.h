// Timing and the outside tools the benchmark compares against: wall-clock
// seconds of a step, the median of repeated runs, shell commands, file sizes
// and the peak memory of a process.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The wall-clock seconds `step` took; `ok` is false when the step said it failed.
double secondsOf(const std::function<bool()>& step, bool& ok);

// Repeated measurements of one step.
class Samples {
public:
    void add(double seconds) { values.push_back(seconds); }
    double median() const;
    bool empty() const { return values.empty(); }

private:
    std::vector<double> values;
};

// Runs a command through the shell; true when it exited with status 0.
bool runCommand(const std::string& command);
// Single quotes for the shell.
std::string shellQuoted(const std::string& text);
std::uint64_t fileSize(const std::string& path);

// The process's resident memory now and its peak so far, in bytes (VmRSS and VmHWM).
std::uint64_t residentBytes();
std::uint64_t peakResidentBytes();

// The plug-in's trace file: every write opens it, appends, flushes and closes it.
#pragma once

#include <initializer_list>

namespace setvane {

void traceText(const char* text);
// "\n\t" and the pieces, then "\n".
void traceLine(std::initializer_list<const char*> pieces);

// Writes "Entering function" on construction and "Leaving function" on destruction.
class TracedCall {
public:
    explicit TracedCall(const char* signature);
    ~TracedCall();
    TracedCall(const TracedCall&) = delete;
    TracedCall& operator=(const TracedCall&) = delete;

private:
    const char* m_signature;
};

} // namespace setvane

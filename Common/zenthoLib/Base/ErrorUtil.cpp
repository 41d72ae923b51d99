#include "ErrorUtil.h"

#include <mutex>

namespace {

constexpr const char* kRecorderFile = "Common\\zenthoLib\\Base\\ErrorUtil";
constexpr int kRecorderLine = 61;

std::mutex g_mutex;
FailureRecord g_last;

} // namespace

void recordFailure(HRESULT code)
{
    if (code >= 0)
        return;
    std::lock_guard lock(g_mutex);
    g_last = FailureRecord{code, kRecorderFile, kRecorderLine};
}

FailureRecord lastFailure()
{
    std::lock_guard lock(g_mutex);
    return g_last;
}

void clearLastFailure()
{
    std::lock_guard lock(g_mutex);
    g_last = FailureRecord{};
}

HRESULT __iThrowErr(const char*, int, HRESULT code, const char*) { return code; }

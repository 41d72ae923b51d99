#include "platform/DebugOutput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

std::mutex g_mutex;
DebugOutputListener g_listener;

void defaultListener(std::string_view text)
{
    static const bool toStderr = [] {
        const char* env = std::getenv("KELDRA_DEBUG_OUTPUT");
        return env && std::strcmp(env, "stderr") == 0;
    }();
    if (toStderr)
        std::fwrite(text.data(), 1, text.size(), stderr);
}

} // namespace

void OutputDebugStringA(const char* text)
{
    if (!text)
        return;
    std::lock_guard lock(g_mutex);
    if (g_listener)
        g_listener(text);
    else
        defaultListener(text);
}

DebugOutputListener setDebugOutputListener(DebugOutputListener listener)
{
    std::lock_guard lock(g_mutex);
    std::swap(g_listener, listener);
    return listener;
}

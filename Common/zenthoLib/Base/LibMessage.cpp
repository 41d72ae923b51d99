#include "LibMessage.h"

#include "TraceLog.h"

#include <mutex>

namespace {

std::mutex handlerLock;
LibMessageHandler messageHandler;

} // namespace

void setLibMessageHandler(LibMessageHandler handler)
{
    std::lock_guard guard(handlerLock);
    messageHandler = std::move(handler);
}

void LibMessageBox(const CString& text, const CString& caption)
{
    LibMessageHandler handler;
    {
        std::lock_guard guard(handlerLock);
        handler = messageHandler;
    }
    if (handler)
        handler(text, caption);
    else
        TraceError("%s: %s", caption.GetString(), text.GetString());
}

#include "UiTrace.h"

#include "zenthoLib/Base/TraceLog.h"

void traceFailure(const char* format, const char* text)
{
    TraceError(format, text);
}

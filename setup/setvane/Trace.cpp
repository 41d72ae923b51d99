#include "Trace.h"

#include "SetvaneHost.h"

namespace setvane {

void traceText(const char* text)
{
    std::FILE* file = openTraceFile();
    if (!file)
        return;
    std::fputs(text ? text : "", file);
    std::fflush(file);
    std::fclose(file);
}

void traceLine(std::initializer_list<const char*> pieces)
{
    traceText("\n\t");
    for (const char* piece : pieces)
        traceText(piece);
    traceText("\n");
}

TracedCall::TracedCall(const char* signature) : m_signature(signature)
{
    traceText("\nEntering function ");
    traceText(m_signature);
    traceText("\n");
}

TracedCall::~TracedCall()
{
    traceText("\nLeaving function ");
    traceText(m_signature);
    traceText("\n");
}

} // namespace setvane

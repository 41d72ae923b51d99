#include "TraceLog.h"

#include "RegistryKey.h"

#include <cstdarg>
#include <ctime>
#include <memory>
#include <mutex>

namespace {

constexpr int kMaxTraceLine = 2048;

std::mutex g_writerMutex;
std::unique_ptr<CStreamWriter> g_writer;

struct LocalTime {
    int second;
    int millisecond;
};

LocalTime localTimeNow()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm parts{};
    localtime_r(&now.tv_sec, &parts);
    return LocalTime{parts.tm_sec, static_cast<int>(now.tv_nsec / 1000000)};
}

} // namespace

void InitLib(const char* logPath)
{
    DeInitLib();
    auto writer = std::make_unique<CStreamWriter>(CString(logPath));
    {
        std::lock_guard lock(g_writerMutex);
        g_writer = std::move(writer);
    }
    CRegistryKey::HK_CLASSES_ROOT = CRegistryKey::makeRoot(HKEY_CLASSES_ROOT);
    CRegistryKey::HK_CURRENT_USER = CRegistryKey::makeRoot(HKEY_CURRENT_USER);
    CRegistryKey::HK_LOCAL_MACHINE = CRegistryKey::makeRoot(HKEY_LOCAL_MACHINE);
    CRegistryKey::HK_USERS = CRegistryKey::makeRoot(HKEY_USERS);
}

void DeInitLib()
{
    std::lock_guard lock(g_writerMutex);
    g_writer.reset();
}

CStreamWriter* traceWriter()
{
    std::lock_guard lock(g_writerMutex);
    return g_writer.get();
}

void TraceError(const char* format, ...)
{
    CStreamWriter* writer = traceWriter();
    if (!writer)
        return;
    CString text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    CString line = "Error: " + text;
    if (line.GetLength() > kMaxTraceLine - 1)
        line = line.Left(kMaxTraceLine - 1);
    line += '\n';
    writer->write(line);
}

___iCAutoWriter::___iCAutoWriter(CString file, CString function, DWORD line)
    : m_file(std::move(file)), m_function(std::move(function)), m_line(line)
{
    if (CStreamWriter* writer = traceWriter()) {
        writer->write("\n");
        writer->writeIndent();
        writer->write(FormatString("%s (%lu )  : Entering %s\n", m_file.GetString(), static_cast<unsigned long>(m_line),
                                   m_function.GetString()));
        writer->raiseDepth();
    }
    const LocalTime now = localTimeNow();
    m_second = now.second;
    m_millisecond = now.millisecond;
}

___iCAutoWriter::~___iCAutoWriter()
{
    CStreamWriter* writer = traceWriter();
    if (!writer)
        return;
    const LocalTime now = localTimeNow();
    writer->lowerDepth();
    writer->write("\n");
    writer->writeIndent();
    writer->write(FormatString("%s( %lu )  : Leaving %s, elapsed time %d:%d\n", m_file.GetString(),
                               static_cast<unsigned long>(m_line), m_function.GetString(), now.second - m_second,
                               now.millisecond - m_millisecond));
}

#include "StreamWriter.h"

#include "platform/DebugOutput.h"
#include "platform/NativePath.h"

#include <fcntl.h>
#include <unistd.h>

CStreamWriter::CStreamWriter(const CString& path) : m_path(path)
{
    m_path.Trim();
    if (m_path.IsEmpty())
        return;
    const std::string native = toNativePath(m_path);
    const std::size_t slash = native.rfind('/');
    if (slash != std::string::npos && slash > 0)
        makeNativeDirectories(native.substr(0, slash));
    const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    m_file = ::fdopen(fd, "w");
    if (!m_file)
        ::close(fd);
}

CStreamWriter::~CStreamWriter()
{
    if (m_file)
        std::fclose(m_file);
}

void CStreamWriter::emit(const CString& text)
{
    if (m_path.IsEmpty()) {
        OutputDebugStringA(text);
        return;
    }
    if (!m_file)
        return;
    std::fwrite(text.GetString(), 1, static_cast<std::size_t>(text.GetLength()), m_file);
    std::fflush(m_file);
}

void CStreamWriter::write(const char* text)
{
    if (!text)
        return;
    CString expanded(text);
    expanded.Replace("\t", "\t    ");
    std::lock_guard lock(m_mutex);
    emit(expanded);
}

void CStreamWriter::writeNumber(long number) { write(FormatString("%ld", number)); }

void CStreamWriter::writeIndent()
{
    std::lock_guard lock(m_mutex);
    emit(CString(' ', 4 * m_depth));
}

void CStreamWriter::raiseDepth()
{
    std::lock_guard lock(m_mutex);
    ++m_depth;
}

void CStreamWriter::lowerDepth()
{
    std::lock_guard lock(m_mutex);
    if (m_depth > 0)
        --m_depth;
}

#include "platform/CString.h"

#include "platform/CodePage.h"

#include <cstdio>
#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::size_t clampIndex(int index, std::size_t size)
{
    if (index < 0)
        return 0;
    return static_cast<std::size_t>(index) > size ? size : static_cast<std::size_t>(index);
}

int toPosition(std::size_t pos) { return pos == std::string::npos ? -1 : static_cast<int>(pos); }

} // namespace

int CString::Compare(const char* other) const
{
    const int r = m_text.compare(other ? other : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* other) const { return ansiCompareNoCase(m_text, other ? other : ""); }

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft()
{
    std::size_t i = 0;
    while (i < m_text.size() && isBlank(m_text[i]))
        ++i;
    m_text.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_text.empty() && isBlank(m_text.back()))
        m_text.pop_back();
    return *this;
}

CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }

CString& CString::TrimLeft(char ch)
{
    m_text.erase(0, m_text.find_first_not_of(ch));
    return *this;
}

CString& CString::TrimRight(char ch)
{
    while (!m_text.empty() && m_text.back() == ch)
        m_text.pop_back();
    return *this;
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || static_cast<std::size_t>(start) > m_text.size())
        return -1;
    return toPosition(m_text.find(ch, static_cast<std::size_t>(start)));
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || static_cast<std::size_t>(start) > m_text.size())
        return -1;
    return toPosition(m_text.find(sub, static_cast<std::size_t>(start)));
}

int CString::ReverseFind(char ch) const { return toPosition(m_text.rfind(ch)); }

int CString::FindOneOf(const char* chars) const { return chars ? toPosition(m_text.find_first_of(chars)) : -1; }

CString CString::Left(int count) const { return CString(m_text.substr(0, clampIndex(count, m_text.size()))); }

CString CString::Mid(int first) const { return CString(m_text.substr(clampIndex(first, m_text.size()))); }

CString CString::Mid(int first, int count) const
{
    const std::size_t from = clampIndex(first, m_text.size());
    return CString(m_text.substr(from, clampIndex(count, m_text.size() - from)));
}

CString CString::Right(int count) const
{
    const std::size_t n = clampIndex(count, m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

CString& CString::MakeLower()
{
    m_text = ansiToLower(m_text);
    return *this;
}

CString& CString::MakeUpper()
{
    m_text = ansiToUpper(m_text);
    return *this;
}

int CString::Replace(char from, char to)
{
    int count = 0;
    for (char& c : m_text)
        if (c == from) {
            c = to;
            ++count;
        }
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    if (!from || !*from)
        return 0;
    const std::string_view f(from);
    const std::string_view t(to ? to : "");
    std::string result;
    int count = 0;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = m_text.find(f, pos)) != std::string::npos; pos = hit + f.size()) {
        result.append(m_text, pos, hit - pos);
        result.append(t);
        ++count;
    }
    result.append(m_text, pos, std::string::npos);
    m_text = std::move(result);
    return count;
}

int CString::Insert(int index, const char* text)
{
    m_text.insert(clampIndex(index, m_text.size()), text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const std::size_t from = clampIndex(index, m_text.size());
    m_text.erase(from, clampIndex(count, m_text.size() - from));
    return GetLength();
}

void CString::FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) {
        m_text.clear();
        return;
    }
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(needed));
    m_text = std::move(out);
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_text += tail.m_text;
}

CString FormatString(const char* format, ...)
{
    CString out;
    va_list args;
    va_start(args, format);
    out.FormatV(format, args);
    va_end(args);
    return out;
}

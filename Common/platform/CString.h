// A byte string in the process code page with the MFC-style methods the code uses.
// Positions and lengths count bytes, as on Windows with a single-byte code page.
#pragma once

#include <cstdarg>
#include <functional>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text ? std::string(text, static_cast<std::size_t>(length < 0 ? 0 : length)) : std::string()) {}
    CString(char ch, int count) : m_text(static_cast<std::size_t>(count < 0 ? 0 : count), ch) {}
    CString(std::string text) : m_text(std::move(text)) {}
    explicit CString(std::string_view text) : m_text(text) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    std::string_view view() const { return m_text; }

    // The text becomes `length` bytes (what they were is kept as far as it
    // goes, the rest is zero) and its buffer is returned for filling in place.
    char* GetBufferSetLength(int length)
    {
        m_text.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
        return m_text.data();
    }

    char GetAt(int index) const { return m_text.at(static_cast<std::size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch) { m_text.at(static_cast<std::size_t>(index)) = ch; }

    CString& operator=(const char* text)
    {
        m_text = text ? text : "";
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* text)
    {
        if (text)
            m_text += text;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_text += ch;
        return *this;
    }

    // Byte-wise comparison: <0, 0 or >0.
    int Compare(const char* other) const;
    // Comparison after folding both texts to lower case.
    int CompareNoCase(const char* other) const;

    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(char ch);
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);

    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* chars) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    CString& MakeLower();
    CString& MakeUpper();
    int Replace(char from, char to);
    int Replace(const char* from, const char* to);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_text + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_text); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_text + b); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

private:
    std::string m_text;
};

// Formats printf-style into a new string of any length.
CString FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept { return std::hash<std::string>()(s.str()); }
};

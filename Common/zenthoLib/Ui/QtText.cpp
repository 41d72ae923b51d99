#include "QtText.h"

#include "platform/CodePage.h"

QString toQString(const CString& text)
{
    const std::u16string wide = ansiToWide(text.view());
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

CString fromQString(const QString& text)
{
    const std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    return CString(wideToAnsi(wide));
}

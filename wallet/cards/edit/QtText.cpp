#include "QtText.h"

#include "platform/CodePage.h"

QString toQString(const CString& text) { return QString::fromStdU16String(ansiToWide(text.view())); }

CString fromQString(const QString& text) { return CString(wideToAnsi(text.toStdU16String())); }

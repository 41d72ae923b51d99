// Texts between the wallet (the process code page) and Qt (UTF-16).
#pragma once

#include "platform/CString.h"

#include <QString>

QString toQString(const CString& text);
CString fromQString(const QString& text);

// Texts between the system's strings (bytes in the process code page) and Qt's.
#pragma once

#include "platform/CString.h"

#include <QString>

QString toQString(const CString& text);
CString fromQString(const QString& text);

#include "MediaPath.h"

#include "zenthoLib/Ui/QtText.h"
#include "platform/NativePath.h"
#include "zenthoLib/Base/PathUtil.h"

#include <QDir>

CString cardMediaPath(const QString& nativeFile, const QString& nativeProgramDir)
{
    const QString file = QDir::cleanPath(nativeFile);
    const QString dir = QDir::cleanPath(nativeProgramDir);
    const CString full = fromNativePath(fromQString(file).str());
    if (!file.startsWith(dir + QLatin1Char('/')))
        return full;
    CString relative;
    // The base is a file name in the program directory, whose folder the path is made relative to.
    if (!getRelPath(fromNativePath(fromQString(dir).str()) + "\\", full, relative))
        return full;
    return relative;
}

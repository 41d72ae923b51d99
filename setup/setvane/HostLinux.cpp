// The plug-in's system on Linux: the platform layer's registry and drive
// mapping; the system counts as the NT family.
#ifndef _WIN32

#include "SetvaneHost.h"

#include "platform/NativePath.h"

#include <fcntl.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace setvane {

DWORD windowsVersion()
{
    // Major and minor version from the kernel release, no build number, top bit clear.
    utsname name{};
    unsigned major = 0, minor = 0;
    if (uname(&name) == 0)
        std::sscanf(name.release, "%u.%u", &major, &minor);
    return ((minor & 0xFFu) << 8) | (major & 0xFFu);
}

std::FILE* openTraceFile()
{
    const std::string path = toNativePath("c:\\dllDump.txt");
    makeNativeDirectories(path.substr(0, path.rfind('/')));
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "a");
    if (!file)
        ::close(fd);
    return file;
}

} // namespace setvane

#endif

// The icon file loader on any bytes: the file is read, then every image is
// turned into colour, mask and icon objects.
#include "zenthoLib/Base/IconLoader.h"

#include <string>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    // One in-memory file, rewritten for every input.
    static const int fd = memfd_create("icon", 0);
    static const std::string path = "\\proc\\self\\fd\\" + std::to_string(fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 || (size && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)))
        return 0;

    CIconLoader loader;
    if (!loader.ReadIconFromICOFile(path.c_str()))
        return 0;
    for (unsigned i = 0; i < loader.GetIconsCount(); ++i) {
        SIZE extent{};
        loader.GetSize(i, extent);
        DeleteObject(loader.MakeBitmapFromResource(i));
        DeleteObject(loader.MakeMaskBitmapFromResource(i));
        DestroyIcon(loader.MakeIconFromResource(i));
    }
    return 0;
}

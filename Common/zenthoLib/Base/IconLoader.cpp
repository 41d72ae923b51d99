#include "IconLoader.h"

#include "LibMessage.h"
#include "platform/LastError.h"
#include "platform/NativePath.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <sys/stat.h>

namespace {

constexpr DWORD directoryEntrySize = 16;
constexpr DWORD smallestHeader = sizeof(BITMAPINFOHEADER);
// The largest bitmap header there is (the fifth version); anything bigger is not a header.
constexpr DWORD largestHeader = 124;
// The largest image an icon file describes: 256 x 256.
constexpr LONG largestSide = 256;
constexpr DWORD largestColorTable = 256;

class CFileHandle {
public:
    explicit CFileHandle(const char* path) : m_file(path ? std::fopen(toNativePath(path).c_str(), "rb") : nullptr) {}
    ~CFileHandle()
    {
        if (m_file)
            std::fclose(m_file);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    std::uint64_t size() const
    {
        struct stat st {};
        return fstat(fileno(m_file), &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
    }
    bool readExactly(void* buffer, std::size_t count) { return std::fread(buffer, 1, count, m_file) == count; }
    bool seek(DWORD offset) { return std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0; }

private:
    std::FILE* m_file;
};

DWORD readLE32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (DWORD{p[3]} << 24); }
WORD readLE16(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

BITMAPINFOHEADER parseHeader(const BYTE* p)
{
    return BITMAPINFOHEADER{readLE32(p),
                            static_cast<LONG>(readLE32(p + 4)),
                            static_cast<LONG>(readLE32(p + 8)),
                            readLE16(p + 12),
                            readLE16(p + 14),
                            readLE32(p + 16),
                            readLE32(p + 20),
                            static_cast<LONG>(readLE32(p + 24)),
                            static_cast<LONG>(readLE32(p + 28)),
                            readLE32(p + 32),
                            readLE32(p + 36)};
}

// One little-endian word of the file header; -1 when the file ends first.
int readWord(CFileHandle& file)
{
    BYTE bytes[2];
    return file.readExactly(bytes, 2) ? readLE16(bytes) : -1;
}

// The image count of a file starting with reserved 0 and type 1; -1 for anything else.
int ReadICOHeader(CFileHandle& file)
{
    if (readWord(file) != 0)
        return -1;
    if (readWord(file) != 1)
        return -1;
    return readWord(file);
}

DWORD DIBNumColors(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed)
        return header.biClrUsed;
    switch (header.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

std::uint64_t PaletteSize(const BITMAPINFOHEADER& header) { return std::uint64_t{DIBNumColors(header)} * 4; }

std::uint64_t BytesPerLine(const BITMAPINFOHEADER& header)
{
    return ((std::uint64_t{static_cast<DWORD>(header.biWidth)} * header.biPlanes * header.biBitCount + 31) / 32) * 4;
}

// Sets the sizes and the places of colour and mask rows from the image's own
// header. False when the bytes cannot be a plain bitmap: a header too short or
// too long, a compressed image, an absurd size or colour table, or fewer bytes
// than the header, colour table and colour rows need.
bool AdjustIconImagePointers(ICONIMAGE& image)
{
    if (image.dwNumBytes < smallestHeader)
        return false;
    const BITMAPINFOHEADER header = parseHeader(image.lpBits.data());
    if (header.biSize < smallestHeader || header.biSize > largestHeader || header.biCompression != BI_RGB
        || header.biWidth <= 0 || header.biWidth > largestSide || header.biHeight < 2
        || header.biHeight > 2 * largestSide || header.biClrUsed > largestColorTable)
        return false;
    image.lpbi = header;
    image.Width = static_cast<UINT>(header.biWidth);
    image.Height = static_cast<UINT>(header.biHeight / 2);
    image.Colors = UINT{header.biPlanes} * header.biBitCount;
    const std::uint64_t xorOffset = header.biSize + PaletteSize(header);
    const std::uint64_t andOffset = xorOffset + BytesPerLine(header) * image.Height;
    if (andOffset > image.dwNumBytes)
        return false;
    image.xorOffset = static_cast<std::size_t>(xorOffset);
    image.andOffset = static_cast<std::size_t>(andOffset);
    return true;
}

bool readImage(CFileHandle& file, std::uint64_t fileSize, const BYTE* entry, ICONIMAGE& image)
{
    image.dwNumBytes = readLE32(entry + 8);
    const DWORD offset = readLE32(entry + 12);
    if (std::uint64_t{offset} + image.dwNumBytes > fileSize)
        return false;
    image.lpBits.resize(image.dwNumBytes);
    return file.seek(offset) && file.readExactly(image.lpBits.data(), image.dwNumBytes)
        && AdjustIconImagePointers(image);
}

std::vector<RGBQUAD> colorTable(const ICONIMAGE& image)
{
    std::vector<RGBQUAD> colors(DIBNumColors(image.lpbi));
    if (!colors.empty())
        std::memcpy(colors.data(), image.lpBits.data() + image.lpbi.biSize, colors.size() * sizeof(RGBQUAD));
    return colors;
}

} // namespace

CIconLoader::~CIconLoader() { cleanup(); }

void CIconLoader::cleanup() { m_resource.reset(); }

bool CIconLoader::ReadIconFromICOFile(const char* path)
{
    cleanup();
    CFileHandle file(path);
    if (!file.isOpen())
        return false;
    const int count = ReadICOHeader(file);
    if (count < 0)
        return false;
    try {
        auto resource = std::make_unique<ICONRESOURCE>();
        resource->szOriginalICOFileName = path;
        resource->nNumImages = static_cast<UINT>(count);
        std::vector<BYTE> directory(static_cast<std::size_t>(count) * directoryEntrySize);
        if (!file.readExactly(directory.data(), directory.size()))
            return false;
        const std::uint64_t fileSize = file.size();
        resource->IconImages.resize(resource->nNumImages);
        for (UINT i = 0; i < resource->nNumImages; ++i)
            if (!readImage(file, fileSize, directory.data() + i * directoryEntrySize, resource->IconImages[i]))
                return false;
        m_resource = std::move(resource);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool CIconLoader::IsValid() const { return m_resource != nullptr; }

UINT CIconLoader::GetIconsCount() const { return m_resource ? m_resource->nNumImages : 0; }

const ICONIMAGE* CIconLoader::image(unsigned index) const
{
    return index < GetIconsCount() ? &m_resource->IconImages[index] : nullptr;
}

bool CIconLoader::GetSize(unsigned index, SIZE& out) const
{
    const ICONIMAGE* icon = image(index);
    out = icon ? SIZE{static_cast<LONG>(icon->Width), static_cast<LONG>(icon->Height)} : SIZE{0, 0};
    return icon != nullptr;
}

HBITMAP CIconLoader::MakeBitmapFromResource(unsigned index)
{
    const ICONIMAGE* icon = image(index);
    if (!icon)
        return nullptr;
    // The stored header counts colour and mask rows; the colour bitmap has the colour rows only.
    BITMAPINFOHEADER header = icon->lpbi;
    header.biHeight = static_cast<LONG>(icon->Height);
    const std::vector<RGBQUAD> colors = colorTable(*icon);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(header, colors.empty() ? nullptr : colors.data(), &bits);
    if (!bitmap) {
        LibMessageBox(SystemErrorText(GetLastError()), "Error");
        return nullptr;
    }
    // Whole padded rows: the loader made sure the file holds every one of them.
    std::memcpy(bits, icon->lpXOR(), icon->andOffset - icon->xorOffset);
    return bitmap;
}

HBITMAP CIconLoader::MakeMaskBitmapFromResource(unsigned index)
{
    const ICONIMAGE* icon = image(index);
    if (!icon)
        return nullptr;
    const BITMAPINFOHEADER header{smallestHeader, icon->lpbi.biWidth, static_cast<LONG>(icon->Height), 1, 1, BI_RGB,
                                  0, 0, 0, 0, 0};
    static const RGBQUAD blackAndWhite[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    void* bits = nullptr;
    UniqueBitmap mask(CreateDIBSection(header, blackAndWhite, &bits));
    if (!mask)
        return nullptr;
    // A full mask has one padded 1-bit row per line; a file may store less,
    // but no less than half of it.
    const std::size_t full = std::size_t{DibRowBytes(header.biWidth, 1)} * icon->Height;
    const std::size_t stored = icon->dwNumBytes - icon->andOffset;
    if (stored < full / 2)
        return nullptr;
    std::memcpy(bits, icon->lpAND(), std::min(full, stored));
    return mask.release();
}

HICON CIconLoader::MakeIconFromResource(unsigned index)
{
    UniqueBitmap color(MakeBitmapFromResource(index));
    UniqueBitmap mask(MakeMaskBitmapFromResource(index));
    if (!color || !mask)
        return nullptr;
    return CreateIconIndirect(ICONINFO{TRUE, 16, 16, mask.get(), color.get()});
}

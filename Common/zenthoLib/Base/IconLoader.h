// Reading icon files (.ico): the directory and every image of a file, and
// colour, mask and icon objects made from any one image.
#pragma once

#include "platform/CString.h"
#include "platform/GdiIcon.h"
#include "platform/WinTypes.h"

#include <memory>
#include <vector>

// One image of an icon file, kept as the file stores it: a bitmap header, a
// colour table, the colour rows and the 1-bit transparency mask rows.
struct ICONIMAGE {
    UINT Width = 0;  // the header's biWidth
    UINT Height = 0; // half the header's biHeight, which counts colour and mask rows
    UINT Colors = 0; // bits per pixel: biPlanes x biBitCount
    std::vector<BYTE> lpBits; // the image's bytes
    DWORD dwNumBytes = 0;
    BITMAPINFOHEADER lpbi{};  // the header at the start of lpBits
    std::size_t xorOffset = 0; // where in lpBits the colour rows start, after the header and colour table
    std::size_t andOffset = 0; // where the mask rows start, after the colour rows

    const BYTE* lpXOR() const { return lpBits.data() + xorOffset; }
    const BYTE* lpAND() const { return lpBits.data() + andOffset; }
};

struct ICONRESOURCE {
    BOOL bHasChanged = FALSE;
    CString szOriginalICOFileName;
    CString szOriginalDLLFileName;
    UINT nNumImages = 0;
    std::vector<ICONIMAGE> IconImages;
};

class CIconLoader {
public:
    CIconLoader() = default;
    ~CIconLoader();
    CIconLoader(const CIconLoader&) = delete;
    CIconLoader& operator=(const CIconLoader&) = delete;

    // Forgets what was loaded, then reads the icon file at the Windows-form
    // `path`. False, with nothing loaded, when the file is missing, its header
    // or directory is wrong, or an image is short or not a plain bitmap.
    bool ReadIconFromICOFile(const char* path);
    bool IsValid() const;
    UINT GetIconsCount() const;
    // Width and height of image `index`; false (and 0 x 0) for an index out of range.
    bool GetSize(unsigned index, SIZE& out) const;
    // New objects of image `index`, owned by the caller; null on failure.
    HBITMAP MakeBitmapFromResource(unsigned index);
    HBITMAP MakeMaskBitmapFromResource(unsigned index);
    HICON MakeIconFromResource(unsigned index);

private:
    void cleanup();
    const ICONIMAGE* image(unsigned index) const;

    std::unique_ptr<ICONRESOURCE> m_resource;
};

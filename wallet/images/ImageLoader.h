// Builds the icon catalogue from the icon files below a base folder and loads
// single icons later. Used by the image server only, under its load lock.
#pragma once

#include "platform/CString.h"
#include "platform/GdiBitmap.h"

#include <vector>

class CAllImageList;
class CIconLoader;
class CNodeImageList;
class IUserInterface;

// The colour and mask bitmaps of one catalogue entry, small and big; null when not loaded.
struct IconBitmaps {
    UniqueBitmap smallColor;
    UniqueBitmap smallMask;
    UniqueBitmap bigColor;
    UniqueBitmap bigMask;

    bool isLoaded() const { return smallColor != nullptr; }
};

// The number of special, card-type and custom icons.
struct IconCounts {
    DWORD standard = 0;
    DWORD types = 0;
    DWORD custom = 0;

    int plainCount() const { return static_cast<int>(standard + types + custom); }
};

// The custom icon files below `baseDir` in catalogue order (file names alone).
std::vector<CString> customIconFiles(const CString& baseDir);

class CImageLoader {
public:
    // `baseDir` is a Windows-form folder ending in "\".
    CImageLoader(const CString& baseDir, IUserInterface& ui);
    ~CImageLoader();
    CImageLoader(const CImageLoader&) = delete;
    CImageLoader& operator=(const CImageLoader&) = delete;

    // Reads the special icons, registers the card-type and custom icons and
    // fills the four lists: every image is there afterwards, the special icons
    // as themselves, the others as the missing icon. False (with its message)
    // when a special icon cannot be read or a list is full; then nothing is kept.
    bool load(CAllImageList& bigAll, CAllImageList& smallAll, CNodeImageList& bigTypes, CNodeImageList& smallTypes,
              IconCounts& counts);
    // Reads one registered icon and puts it and its category variant into the
    // four lists. False, with its message, when the file is missing or bad.
    bool CreateIcon(const CString& name);

    // The plain icons' names, index-aligned with the catalogue.
    const std::vector<CString>& names() const { return m_names; }

private:
    struct RequiredSizes;

    bool readImagePair(const CString& fullPath, CIconLoader& iconLoader, const RequiredSizes& sizes, IconBitmaps& out);
    // One icon file's 16x16 and 32x32 images, or the category sign's 7x9 and 11x11.
    bool LoadBitmaps(const CString& fullPath, CIconLoader& iconLoader, IconBitmaps& out);
    bool LoadCategorySignBitmaps(const CString& fullPath, CIconLoader& iconLoader, IconBitmaps& out);
    bool loadSpecialIcons();
    void registerCardTypeIcons();
    void registerCustomIcons();
    bool makeCategoryVariants();
    bool fillLists();
    bool makeVariant(const IconBitmaps& plain, IconBitmaps& variant) const;
    void release();
    void show(const CString& text);

    CString m_baseDir;
    IUserInterface& m_ui;
    std::vector<IconBitmaps> m_bitmaps;
    std::vector<CString> m_names; // every catalogue entry: plain icons, then variants
    IconCounts m_counts;
    CAllImageList* m_bigAll = nullptr;
    CAllImageList* m_smallAll = nullptr;
    CNodeImageList* m_bigTypes = nullptr;
    CNodeImageList* m_smallTypes = nullptr;
};

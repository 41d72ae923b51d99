#include "ImageLoader.h"

#include "AllImageList.h"
#include "IconNames.h"
#include "ImageTexts.h"
#include "NodeImageList.h"
#include "platform/DirectoryListing.h"
#include "zenthoLib/Base/IconLoader.h"
#include "zenthoLib/Base/PathUtil.h"
#include "zenthoLib/Base/UserInterface.h"

// The two images an icon file must hold, and the numbers its creation
// failures show for each (the size for icons, 1 and 2 for the sign).
struct CImageLoader::RequiredSizes {
    SIZE small;
    SIZE big;
    int smallTag;
    int bigTag;
};

namespace {

constexpr DWORD kSkippedAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM
    | FILE_ATTRIBUTE_TEMPORARY;

bool isCardTypeIndex(int index)
{
    return index >= IconNames::kSpecialCount && index < IconNames::kSpecialCount + IconNames::kCardTypeCount;
}

// The last image of the file with exactly this size, -1 when there is none.
int lastImageOfSize(const CIconLoader& iconLoader, SIZE wanted)
{
    int found = -1;
    for (UINT i = 0; i < iconLoader.GetIconsCount(); ++i) {
        SIZE size{};
        if (iconLoader.GetSize(i, size) && size.cx == wanted.cx && size.cy == wanted.cy)
            found = static_cast<int>(i);
    }
    return found;
}

// A copy of the icon's bitmap with the sign's bitmap in its lower-left corner.
UniqueBitmap withSign(HBITMAP icon, HBITMAP sign, WORD bitCount)
{
    UniqueBitmap copy(CopyBitmap(icon, bitCount));
    BITMAP iconInfo{}, signInfo{};
    if (!copy || !GetBitmapInfo(icon, iconInfo) || !GetBitmapInfo(sign, signInfo))
        return nullptr;
    BitBlt(copy.get(), 0, iconInfo.bmHeight - signInfo.bmHeight, signInfo.bmWidth, signInfo.bmHeight, sign, 0, 0);
    return copy;
}

UniqueIcon makeIcon(const UniqueBitmap& color, const UniqueBitmap& mask)
{
    return UniqueIcon(CreateIconIndirect(ICONINFO{TRUE, 0, 0, mask.get(), color.get()}));
}

} // namespace

CImageLoader::CImageLoader(const CString& baseDir, IUserInterface& ui) : m_baseDir(baseDir), m_ui(ui) {}

CImageLoader::~CImageLoader() = default;

void CImageLoader::show(const CString& text) { m_ui.messageBox(text, MB_OK | MB_ICONERROR); }

bool CImageLoader::load(CAllImageList& bigAll, CAllImageList& smallAll, CNodeImageList& bigTypes,
                        CNodeImageList& smallTypes, IconCounts& counts)
{
    m_bigAll = &bigAll;
    m_smallAll = &smallAll;
    m_bigTypes = &bigTypes;
    m_smallTypes = &smallTypes;
    if (!loadSpecialIcons()) {
        release();
        return false;
    }
    registerCardTypeIcons();
    registerCustomIcons();
    if (!makeCategoryVariants() || !fillLists()) {
        release();
        return false;
    }
    counts = m_counts;
    return true;
}

void CImageLoader::release()
{
    m_bitmaps.clear();
    m_names.clear();
    m_counts = IconCounts{};
}

bool CImageLoader::loadSpecialIcons()
{
    CIconLoader iconLoader;
    for (int index = 0; index < IconNames::kSpecialCount; ++index) {
        const CString name = IconNames::standardName(IconNames::kSpecialFiles[index]);
        CString fullPath = m_baseDir;
        CUtil::AppendPath(fullPath, name);
        IconBitmaps bitmaps;
        const bool read = index == IconNames::kCategorySignIndex
            ? LoadCategorySignBitmaps(fullPath, iconLoader, bitmaps)
            : LoadBitmaps(fullPath, iconLoader, bitmaps);
        if (!read)
            return false;
        m_bitmaps.push_back(std::move(bitmaps));
        m_names.push_back(name);
    }
    m_counts.standard = IconNames::kSpecialCount;
    return true;
}

void CImageLoader::registerCardTypeIcons()
{
    for (const char* file : IconNames::kCardTypeFiles) {
        m_bitmaps.emplace_back();
        m_names.push_back(IconNames::standardName(file));
    }
    m_counts.types = IconNames::kCardTypeCount;
}

std::vector<CString> customIconFiles(const CString& baseDir)
{
    CString folder = baseDir;
    CUtil::AppendPath(folder, IconNames::kCustomFolder);
    std::vector<CString> files;
    for (const FoundFile& file : findFiles(folder, "*.ico")) {
        if (!(file.attributes & kSkippedAttributes))
            files.push_back(file.name);
    }
    return files;
}

void CImageLoader::registerCustomIcons()
{
    for (const CString& file : customIconFiles(m_baseDir)) {
        m_bitmaps.emplace_back();
        m_names.push_back(IconNames::customName(file));
        ++m_counts.custom;
    }
}

bool CImageLoader::makeVariant(const IconBitmaps& plain, IconBitmaps& variant) const
{
    const IconBitmaps& sign = m_bitmaps[IconNames::kCategorySignIndex];
    variant.smallColor = withSign(plain.smallColor.get(), sign.smallColor.get(), 32);
    variant.smallMask = withSign(plain.smallMask.get(), sign.smallMask.get(), 1);
    variant.bigColor = withSign(plain.bigColor.get(), sign.bigColor.get(), 32);
    variant.bigMask = withSign(plain.bigMask.get(), sign.bigMask.get(), 1);
    return variant.smallColor && variant.smallMask && variant.bigColor && variant.bigMask;
}

bool CImageLoader::makeCategoryVariants()
{
    const int plainCount = m_counts.plainCount();
    for (int i = IconNames::kSpecialCount; i < plainCount; ++i) {
        IconBitmaps variant;
        if (m_bitmaps[static_cast<std::size_t>(i)].isLoaded()
            && !makeVariant(m_bitmaps[static_cast<std::size_t>(i)], variant))
            return false;
        m_bitmaps.push_back(std::move(variant));
        m_names.push_back(m_names[static_cast<std::size_t>(i)]);
    }
    return true;
}

bool CImageLoader::fillLists()
{
    UniqueIcon missingSmall, missingBig;
    for (std::size_t i = 0; i < m_bitmaps.size(); ++i) {
        const int index = static_cast<int>(i);
        const IconBitmaps& bitmaps = m_bitmaps[i];
        const CString& name = m_names[i];
        UniqueIcon small, big;
        if (bitmaps.isLoaded()) {
            small = makeIcon(bitmaps.smallColor, bitmaps.smallMask);
            if (!small) {
                show(FormatString(ImageTexts::kCannotCreateListIcon, "small", index, name.GetString()));
                return false;
            }
            big = makeIcon(bitmaps.bigColor, bitmaps.bigMask);
            if (!big) {
                show(FormatString(ImageTexts::kCannotCreateListIcon, "big", index, name.GetString()));
                return false;
            }
            if (index == IconNames::kMissingIconIndex) {
                missingSmall.reset(CopyIcon(small.get()));
                missingBig.reset(CopyIcon(big.get()));
            }
        }
        const bool loaded = bitmaps.isLoaded();
        HICON smallImage = loaded ? small.get() : missingSmall.get();
        HICON bigImage = loaded ? big.get() : missingBig.get();
        if (m_smallAll->add(smallImage, name, loaded) < 0
            || (isCardTypeIndex(index)
                && m_smallTypes->addAt(smallImage, index - IconNames::kSpecialCount, name, loaded) < 0)
            || m_bigAll->add(bigImage, name, loaded) < 0
            || (isCardTypeIndex(index)
                && m_bigTypes->addAt(bigImage, index - IconNames::kSpecialCount, name, loaded) < 0))
            return false;
    }
    return true;
}

bool CImageLoader::LoadBitmaps(const CString& fullPath, CIconLoader& iconLoader, IconBitmaps& out)
{
    static constexpr RequiredSizes iconSizes{{16, 16}, {32, 32}, 16, 32};
    return readImagePair(fullPath, iconLoader, iconSizes, out);
}

bool CImageLoader::LoadCategorySignBitmaps(const CString& fullPath, CIconLoader& iconLoader, IconBitmaps& out)
{
    static constexpr RequiredSizes signSizes{{7, 9}, {11, 11}, 1, 2};
    return readImagePair(fullPath, iconLoader, signSizes, out);
}

bool CImageLoader::readImagePair(const CString& fullPath, CIconLoader& iconLoader, const RequiredSizes& sizes,
                                 IconBitmaps& out)
{
    if (!iconLoader.ReadIconFromICOFile(fullPath)) {
        show(FormatString(ImageTexts::kMissingStandardIcon, fullPath.GetString()));
        return false;
    }
    const int small = lastImageOfSize(iconLoader, sizes.small);
    const int big = lastImageOfSize(iconLoader, sizes.big);
    if (iconLoader.GetIconsCount() < 2 || small < 0 || big < 0) {
        show(FormatString(ImageTexts::kNeedsTwoSizes, fullPath.GetString()));
        return false;
    }
    IconBitmaps read;
    read.smallColor.reset(iconLoader.MakeBitmapFromResource(static_cast<unsigned>(small)));
    read.smallMask.reset(read.smallColor ? iconLoader.MakeMaskBitmapFromResource(static_cast<unsigned>(small)) : nullptr);
    if (!read.smallMask) {
        show(FormatString(ImageTexts::kCannotCreateIconOfSize, sizes.smallTag, sizes.smallTag, fullPath.GetString()));
        return false;
    }
    read.bigColor.reset(iconLoader.MakeBitmapFromResource(static_cast<unsigned>(big)));
    read.bigMask.reset(read.bigColor ? iconLoader.MakeMaskBitmapFromResource(static_cast<unsigned>(big)) : nullptr);
    if (!read.bigMask) {
        show(FormatString(ImageTexts::kCannotCreateIconOfSize, sizes.bigTag, sizes.bigTag, fullPath.GetString()));
        return false;
    }
    out = std::move(read);
    return true;
}

bool CImageLoader::CreateIcon(const CString& name)
{
    const DWORD index = m_smallAll ? m_smallAll->indexOfName(name, false) : CExtimageList::kNoImage;
    if (index == CExtimageList::kNoImage)
        return false;
    const int plain = static_cast<int>(index);
    const int variant = IconIndexing::variantIndex(m_counts.plainCount(), plain);
    const DWORD typeIndex = m_smallTypes->indexOfName(name, false);

    CString fullPath = m_baseDir;
    CUtil::AppendPath(fullPath, name);
    CIconLoader iconLoader;
    IconBitmaps bitmaps, variantBitmaps;
    if (!LoadBitmaps(fullPath, iconLoader, bitmaps))
        return false;
    if (!makeVariant(bitmaps, variantBitmaps)) {
        show(FormatString(ImageTexts::kCannotCreateVariant, name.GetString()));
        return false;
    }
    struct Size {
        const char* word;
        const UniqueBitmap& color;
        const UniqueBitmap& mask;
        const UniqueBitmap& variantColor;
        const UniqueBitmap& variantMask;
        CAllImageList& all;
        CNodeImageList& types;
    };
    const Size sizes[] = {
        {"small", bitmaps.smallColor, bitmaps.smallMask, variantBitmaps.smallColor, variantBitmaps.smallMask,
         *m_smallAll, *m_smallTypes},
        {"big", bitmaps.bigColor, bitmaps.bigMask, variantBitmaps.bigColor, variantBitmaps.bigMask, *m_bigAll,
         *m_bigTypes},
    };
    for (const Size& size : sizes) {
        const UniqueIcon icon = makeIcon(size.color, size.mask);
        const UniqueIcon variantIcon = makeIcon(size.variantColor, size.variantMask);
        if (!icon || !variantIcon) {
            show(FormatString(ImageTexts::kCannotCreateLoadedIcon, size.word, name.GetString()));
            return false;
        }
        size.all.replace(plain, icon.get());
        size.all.replace(variant, variantIcon.get());
        if (typeIndex != CExtimageList::kNoImage)
            size.types.replace(static_cast<int>(typeIndex), icon.get());
    }
    return true;
}

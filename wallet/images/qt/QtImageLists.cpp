#include "QtImageLists.h"

#include "images/ImageServer.h"
#include "model/Node.h"

#include <QImage>

QPixmap listPixmap(const CImageList& list, int index)
{
    const std::vector<DWORD> pixels = list.GetImagePixels(index);
    const SIZE size = list.GetImageSize();
    if (pixels.empty() || pixels.size() != static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy))
        return {};
    // The list keeps 0xAARRGGBB rows from the top, the layout of Format_ARGB32.
    const QImage view(reinterpret_cast<const uchar*>(pixels.data()), static_cast<int>(size.cx), static_cast<int>(size.cy),
                      static_cast<qsizetype>(size.cx) * 4, QImage::Format_ARGB32);
    return QPixmap::fromImage(view.copy());
}

namespace {

QIcon iconOf(const CImageList& small, const CImageList& big, int smallIndex, int bigIndex)
{
    QIcon icon;
    for (const QPixmap& pixmap : {listPixmap(small, smallIndex), listPixmap(big, bigIndex)})
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    return icon;
}

} // namespace

QIcon catalogueIcon(CImageServer& server, int index)
{
    return iconOf(server.smallImages(), server.bigImages(), index, index);
}

QIcon cardTypeIcon(CImageServer& server, int typeId)
{
    return iconOf(server.smallTypeImages(), server.bigTypeImages(), server.smallTypeImages().imageIndexAt(typeId),
                  server.bigTypeImages().imageIndexAt(typeId));
}

QIcon nodeIcon(CImageServer& server, const CNode& node)
{
    return catalogueIcon(server, node.getIconIndex());
}

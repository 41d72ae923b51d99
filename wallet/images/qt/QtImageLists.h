// The catalogue's images as Qt pictures: one image of a list as a pixmap,
// and an image index of the catalogue as an icon holding its 16 and 32
// pixel forms.
#pragma once

#include <QIcon>
#include <QPixmap>

class CImageList;
class CImageServer;
class CNode;

// Image `index` of `list` at the list's size; a null pixmap for a bad index.
QPixmap listPixmap(const CImageList& list, int index);
// Image `index` of the catalogue, small (16) and big (32).
QIcon catalogueIcon(CImageServer& server, int index);
// The icon of a card kind (type id 0 to 26) from the card-type lists.
QIcon cardTypeIcon(CImageServer& server, int typeId);
// The icon a node shows: the image index it holds.
QIcon nodeIcon(CImageServer& server, const CNode& node);

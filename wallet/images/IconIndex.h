// The questions every node asks about icons: which image index a stored icon
// name has, where a plain icon's category variant lies, and which name an
// image index stands for. The icon names alone answer them before any image
// is loaded; the icon catalogue answers them at run time.
#pragma once

#include "platform/CString.h"

class IIconIndex {
public:
    virtual ~IIconIndex() = default;

    // The index of the first icon called exactly `name`; an unknown name gives
    // the missing icon. With `plain` false an icon that has a category variant
    // gives the variant's index instead.
    virtual int imageIndex(const CString& name, bool plain) const = 0;
    // The category variant of a plain icon; the special icons and the
    // no-image value stay as they are.
    virtual int variantIndex(int index) const = 0;
    // The name of the icon at `index`; a category variant gives its plain icon's name.
    virtual const CString& iconName(int index) const = 0;
};

// An image list of the icon catalogue: the platform's image list with a
// loaded flag per image and a map from icon name to image index.
//
// An image is "loaded" when it holds its own icon rather than the missing icon.
#pragma once

#include "platform/CString.h"
#include "platform/ImageList.h"

#include <array>
#include <atomic>
#include <unordered_map>

class CImageServer;

class CExtimageList : public CImageList {
public:
    // The most images a list may hold.
    static constexpr int kMaxImages = 300;
    // The index that stands for an unknown name.
    static constexpr DWORD kNoImage = 65535;

    explicit CExtimageList(CImageServer& server) : m_server(server) {}

    // Puts `icon` into image `index` and marks it loaded.
    bool replace(int index, HICON icon);
    bool isLoaded(int index) const;
    // The index stored for `name`, or 65535. With `loadIfNeeded` an image
    // that is not loaded yet is loaded first (when its file allows).
    DWORD indexOfName(const CString& name, bool loadIfNeeded);

protected:
    // Appends `icon` as image number GetImageCount() and sets its loaded flag;
    // at the limit the user is told, the application is asked to quit and the
    // result is -1.
    int append(HICON icon, bool loaded);
    void setLoaded(int index, bool loaded);

    std::unordered_map<CString, int> m_nameMap;

private:
    // One bit per image: image i in byte i / 8 at bit i % 8.
    std::array<std::atomic<BYTE>, 38> m_loaded{};
    CImageServer& m_server;
};

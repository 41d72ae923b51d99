// Opening a web or mail address with the desktop's own handler. Every window
// that opens an address goes through here, so a test can put its own opener
// in and see the address instead.
#pragma once

#include <QUrl>

#include <functional>

using UrlOpener = std::function<bool(const QUrl&)>;

// Opens `url`; false when nothing could open it.
bool openUrl(const QUrl& url);
// Replaces the opener (an empty one restores QDesktopServices); the previous one is returned.
UrlOpener setUrlOpener(UrlOpener opener);

#include "UrlOpener.h"

#include <QDesktopServices>

namespace {

UrlOpener& currentOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

bool openUrl(const QUrl& url)
{
    const UrlOpener& opener = currentOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(currentOpener());
    currentOpener() = std::move(opener);
    return previous;
}

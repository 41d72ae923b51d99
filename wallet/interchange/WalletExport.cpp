#include "WalletExport.h"

#include "model/Category.h"
#include "model/WalletDoc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Interchange {

namespace {

bool holdsSealedCards(const CCategory& category)
{
    if (category.hasSealedCards())
        return true;
    for (const auto& sub : category.getSubcategories()) {
        if (holdsSealedCards(*sub))
            return true;
    }
    return false;
}

} // namespace

std::optional<ExportResult> exportWallet(CWalletDoc& document, Format format, bool openSealed)
{
    if (openSealed && holdsSealedCards(document.getRoot()) && document.obtainDocumentKey() == CWalletDoc::kKeyHeld &&
        !document.decryptAllCategories())
        return std::nullopt;
    return format == Format::KeePassXcCsv ? writeKeePassXcCsv(document.getRoot()) : writeBitwardenJson(document.getRoot());
}

bool writePrivateFile(const std::string& path, std::string_view text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool written = fd >= 0 && ::fchmod(fd, 0600) == 0;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        written = n > 0;
        done += written ? static_cast<std::size_t>(n) : 0;
    }
    if (fd >= 0)
        written = ::close(fd) == 0 && written;
    return written;
}

} // namespace Interchange

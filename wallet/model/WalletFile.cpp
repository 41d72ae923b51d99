#include "model/WalletFile.h"

#include "model/Category.h"
#include "model/FileOutputStream.h"
#include "model/StreamValues.h"
#include "platform/CString.h"
#include "zenthoLib/Base/SizedArray.h"

namespace {

constexpr int kHeaderMark = 1;

bool writeOffset(COutputStream& out, std::uint32_t value) { return write(out, static_cast<unsigned int>(value)); }

} // namespace

bool writeWalletHeader(COutputStream& out, const CSizedArray& checkBlock, WalletPointers& pointers)
{
    if (!write(out, kHeaderMark) || !write(out, CString(kWalletSignature)) || !write(out, kWalletFileVersion) ||
        !out.getCurrentStreamPosition(pointers.indexPointerOffset) || !writeOffset(out, pointers.indexPointerOffset + 4) ||
        !out.getCurrentStreamPosition(pointers.rootPointerOffset))
        return false;
    CSizedArray stored(checkBlock);
    return writeOffset(out, 0) && (out << stored) && out.getError() == 0;
}

bool writeWholeWallet(CFileOutputStream& out, CCategory& root, const CSizedArray& checkBlock, WalletPointers& pointers)
{
    if (!writeWalletHeader(out, checkBlock, pointers))
        return false;
    root.setWriteSubtree(true);
    const bool saved = root.save(out);
    root.setWriteSubtree(false);
    return saved && out.setCurrentPosition(pointers.rootPointerOffset) && writeOffset(out, root.getPosition());
}

bool patchSlot(CFileOutputStream& out, std::uint32_t slot, std::uint32_t value)
{
    return out.syncAndSetPosition(slot) && writeOffset(out, value) && out.flush();
}

WalletHeaderResult readWalletHeader(ZenthoIO::CInputStream& in, WalletHeader& header, CSizedArray& checkBlock)
{
    int mark = 0;
    if (!read(in, mark))
        return WalletHeaderResult::ReadError;
    CString signature;
    if (!read(in, signature) || signature != CString(kWalletSignature))
        return WalletHeaderResult::InvalidFormat;
    if (!read(in, header.fileVersion))
        return WalletHeaderResult::ReadError;
    if (header.fileVersion > kWalletFileVersion)
        return WalletHeaderResult::NewerVersion;
    if (!in.getCurrentStreamPosition(header.pointers.indexPointerOffset))
        return WalletHeaderResult::InvalidFormat;
    std::uint32_t indexOffset = 0;
    if (!read(in, indexOffset) || !in.setCurrentPosition(indexOffset) ||
        !in.getCurrentStreamPosition(header.pointers.rootPointerOffset) || !read(in, header.rootOffset))
        return WalletHeaderResult::ReadError;
    if (header.rootOffset == 0)
        return WalletHeaderResult::NoRoot;
    return in.readArray(checkBlock) ? WalletHeaderResult::Read : WalletHeaderResult::ReadError;
}

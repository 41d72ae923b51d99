// Path helpers and code-page conversion on any bytes: two texts split at the
// first zero byte, both code pages.
#include "platform/CodePage.h"
#include "platform/NativePath.h"
#include "zenthoLib/Base/PathUtil.h"

#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkCodePage(UINT codePage, const std::string& bytes)
{
    setAnsiCodePage(codePage);
    const std::string valid = ansiFromLegacyBytes(bytes);
    check(ansiFromLegacyBytes(valid) == valid);
    check(wideToAnsi(ansiToWide(valid)) == valid);
    check(ansiPrefixLength(valid, valid.size() / 2) <= valid.size() / 2);
    check(ansiCompareNoCase(valid, valid) == 0);
    check(ansiCharsToBytes(valid, ansiCharCount(valid)) == valid.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const CString base(input.substr(0, split));
    const CString other(split == std::string::npos ? std::string() : input.substr(split + 1));

    CString joined = base;
    CUtil::AppendPath(joined, other);
    check(joined.GetLength() >= base.GetLength() + other.GetLength());

    CString rel("unchanged"), full;
    if (getRelPath(base, other, rel) == 0)
        check(rel == "unchanged");
    check(buildFullPath(base, rel, full) == 1);

    fromNativePath(toNativePath(base));

    checkCodePage(CP_WINDOWS_1252, input);
    checkCodePage(CP_UTF8, input);
    return 0;
}

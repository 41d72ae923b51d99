#include "AppOptions.h"

HRESULT CAppOptions::save(COutputStream& out)
{
    out << static_cast<long>(firstRun ? kFirstRunFlag : 0);
    if (out.getError())
        return 1;
    saveAppData(out);
    return out.getError() ? 2 : 0;
}

HRESULT CAppOptions::load(ZenthoIO::CInputStream& in)
{
    long flags = 0;
    in >> flags;
    if (in.getError())
        return 1;
    firstRun = (flags & kFirstRunFlag) == kFirstRunFlag;
    loadAppData(in);
    return in.getError() ? 2 : 0;
}

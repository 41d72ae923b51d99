// The base of an application's options record: it serialises itself to a
// byte stream as a flags word (bit 0x40: first run) followed by the derived
// class's own part.
#pragma once

#include "InputStream.h"
#include "OutputStream.h"
#include "RefCntBase.h"

class CAppOptions : public CRefCntBase {
public:
    // The flags-word bit that marks the first start.
    static constexpr int kFirstRunFlag = 0x40;

    CAppOptions() = default;
    CAppOptions(const CAppOptions& other) = default;
    CAppOptions& operator=(const CAppOptions& other) = default;

    // Writes and reads the derived part after the base fields; a failure is
    // reported by setting the stream's error. The results are not used.
    virtual int saveAppData(COutputStream& out) = 0;
    virtual int loadAppData(ZenthoIO::CInputStream& in) = 0;

    int isFirstRun() const { return firstRun; }
    void setFirstRun(int value) { firstRun = value; }

    // 0 = written, 1 = the base fields failed, 2 = the derived part failed.
    HRESULT save(COutputStream& out);
    // 0 = read, 1 = the base fields could not be read, 2 = the derived part failed.
    HRESULT load(ZenthoIO::CInputStream& in);

protected:
    int firstRun = 1;
};

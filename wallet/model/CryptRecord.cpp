#include "model/CryptRecord.h"

#include "model/CryptUtil.h"
#include "platform/SecureWipe.h"
#include "zenthoLib/Base/ByteInputStream.h"
#include "zenthoLib/Base/ByteOutputStream.h"
#include "zenthoLib/Base/SizedArray.h"

bool sealRecord(const CCryptUtil& key, const std::function<bool(COutputStream&)>& writeRecord, CSizedArray& sealed)
{
    CSizedArray plain;
    if (!plain.init(kSealBufferSize))
        return false;
    CByteOutputStream out(plain.getData(), kSealBufferSize);
    const bool written = writeRecord(out) && out.getError() == 0;
    const bool sealedOk = written && plain.setSize(out.getDataSize()) && key.encrypt(plain, sealed);
    secureWipe(plain.getData(), kSealBufferSize);
    return sealedOk;
}

bool openSealedRecord(const CCryptUtil& key, const CSizedArray& sealed,
                      const std::function<bool(ZenthoIO::CInputStream&)>& readRecord)
{
    CSizedArray plain;
    if (!key.decrypt(sealed, plain))
        return false;
    ZenthoIO::CByteInputStream in(plain.getData(), plain.getSize());
    const bool read = readRecord(in) && in.getError() == 0;
    secureWipe(plain.getData(), plain.getSize());
    return read;
}

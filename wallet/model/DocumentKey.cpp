#include "model/DocumentKey.h"

#include "model/CryptUtil.h"
#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/SmartPtr.h"

namespace {

CSmartPtr<CCryptUtil>& heldKey()
{
    static CSmartPtr<CCryptUtil> key;
    return key;
}

} // namespace

CCryptUtil* documentKey() { return heldKey().get(); }

void setDocumentKey(CCryptUtil* key) { heldKey() = key; }

CSizedArray& documentCheckBlock()
{
    static CSizedArray block;
    return block;
}

// The reference-counted base of the library's shared objects.
#pragma once

class CRefCntBase {
public:
    CRefCntBase() = default;
    CRefCntBase(const CRefCntBase&) : refCount(0) {}
    CRefCntBase& operator=(const CRefCntBase&) { return *this; }
    virtual ~CRefCntBase() = default;

    // Returns the count before the increment.
    virtual int AddRef() { return refCount++; }
    // Returns the decremented count; the object destroys itself at 0 or below.
    virtual int Release()
    {
        const int count = --refCount;
        if (count <= 0)
            delete this;
        return count;
    }

protected:
    int refCount = 0;
};

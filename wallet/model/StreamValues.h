// Reading and writing one value at a time with the stream's error checked
// after each, so a record can be written as a chain that stops at the first
// failure: `write(out, a) && write(out, b)`.
#pragma once

#include "zenthoLib/Base/InputStream.h"
#include "zenthoLib/Base/OutputStream.h"

template <class T>
bool read(ZenthoIO::CInputStream& in, T& value)
{
    in >> value;
    return in.getError() == 0;
}

template <class T>
bool write(COutputStream& out, const T& value)
{
    out << value;
    return out.getError() == 0;
}

// Writing node records and reading them back through either encoding: the
// memory streams that hold sealed cards, or the wallet file's encoding.
#pragma once

#include "support/FileEncodingStreams.h"
#include "model/NodeFactory.h"
#include "zenthoLib/Base/ByteInputStream.h"
#include "zenthoLib/Base/ByteOutputStream.h"

#include <functional>
#include <memory>
#include <vector>

enum class Encoding { Memory, File };

inline const char* encodingName(Encoding encoding) { return encoding == Encoding::Memory ? "memory" : "file"; }

using Bytes = std::vector<unsigned char>;

// What `write` wrote, and whether every write succeeded.
inline Bytes writeWith(Encoding encoding, const std::function<bool(COutputStream&)>& write, bool* ok = nullptr)
{
    bool written = false;
    Bytes bytes;
    if (encoding == Encoding::File) {
        FileEncodingOutputStream out;
        written = write(out) && out.getError() == 0;
        bytes = out.bytes;
    } else {
        Bytes buffer(1 << 20);
        CByteOutputStream out(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        written = write(out) && out.getError() == 0;
        buffer.resize(out.getDataSize());
        bytes = buffer;
    }
    if (ok)
        *ok = written;
    return bytes;
}

inline std::unique_ptr<ZenthoIO::CInputStream> readerFor(Encoding encoding, const Bytes& bytes)
{
    if (encoding == Encoding::File)
        return std::make_unique<ZenthoIO::FileEncodingInputStream>(bytes);
    return std::make_unique<ZenthoIO::CByteInputStream>(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

// Reads the record at `offset`; `loaded` tells the node's load result.
inline std::unique_ptr<CNode> readRecord(Encoding encoding, const Bytes& bytes, std::uint32_t offset, unsigned int version, bool& loaded)
{
    auto in = readerFor(encoding, bytes);
    std::unique_ptr<CNode> node;
    loaded = in->setCurrentPosition(offset) && readNode(*in, node, version);
    return node;
}

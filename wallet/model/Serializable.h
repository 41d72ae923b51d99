// Something that is stored as one record of the wallet file and remembers
// where its current record lies.
#pragma once

#include "zenthoLib/Base/InputStream.h"
#include "zenthoLib/Base/OutputStream.h"

#include <cstdint>

class Serializable {
public:
    // The offset of a node that has never been written.
    static constexpr std::uint32_t kNoPosition = 0xFFFFFFFFu;

    virtual ~Serializable() = default;

    virtual bool load(ZenthoIO::CInputStream& in, unsigned int version) = 0;
    virtual bool save(COutputStream& out) = 0;
    // A deep copy that the caller owns; null when no complete copy could be made.
    virtual Serializable* clone() = 0;

    int getTypeId() const { return typeId; }
    // The offset of the current record; while the tree is rewritten into a new
    // file, the offset in the new file.
    std::uint32_t getPosition() const;
    void setPosition(std::uint32_t offset);
    // The offset of the record the node was read from, whatever the mode.
    void setRecordPosition(std::uint32_t offset)
    {
        position = offset;
        pendingPosition = kNoPosition;
    }
    // Makes the offset noted during a rewrite the current one.
    void commitPendingPosition();

protected:
    Serializable(int typeId, std::uint32_t position) : typeId(typeId), position(position) {}
    Serializable(const Serializable&) = default;
    Serializable& operator=(const Serializable&) = default;

    // Notes the stream's current offset as this node's record offset.
    bool notePosition(COutputStream& out);

    int typeId;
    std::uint32_t position;
    std::uint32_t pendingPosition = kNoPosition;
};

#include "Serializable.h"

#include "NodeTreeState.h"

std::uint32_t Serializable::getPosition() const { return NodeTreeState::rewriteMode() ? pendingPosition : position; }

void Serializable::setPosition(std::uint32_t offset)
{
    if (NodeTreeState::rewriteMode())
        pendingPosition = offset;
    else
        position = offset;
}

void Serializable::commitPendingPosition()
{
    if (pendingPosition != kNoPosition)
        position = pendingPosition;
    pendingPosition = kNoPosition;
}

bool Serializable::notePosition(COutputStream& out)
{
    std::uint32_t offset = 0;
    if (!out.getCurrentStreamPosition(offset))
        return false;
    setPosition(offset);
    return true;
}

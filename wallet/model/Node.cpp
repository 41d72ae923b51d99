#include "Node.h"

#include "LegacyIcons.h"
#include "NodeTreeState.h"
#include "StreamValues.h"
#include "images/IconNames.h"
#include "platform/CodePage.h"

#include <atomic>
#include <ctime>

namespace {

constexpr std::size_t kExportTextLimit = 2048;

bool writeRaw(COutputStream& out, std::string_view bytes)
{
    const auto size = static_cast<std::uint32_t>(bytes.size());
    return out.WriteBytes(reinterpret_cast<const unsigned char*>(bytes.data()), size) == size && out.getError() == 0;
}

std::string_view exportCut(const CString& text) { return text.view().substr(0, ansiPrefixLength(text.view(), kExportTextLimit)); }

// Nodes may be read on a worker thread while the program runs.
std::uint32_t newNodeId()
{
    static std::atomic<std::uint32_t> last{0};
    return ++last;
}

} // namespace

CNode::CNode(int typeId, std::uint32_t position) : Serializable(typeId, position), modifiedTime(std::time(nullptr)), nodeId(newNodeId()) {}

// The parent is not copied: the copy belongs to no category until it is
// inserted. It is a node of its own, with an identity of its own.
CNode::CNode(const CNode& other)
    : Serializable(other), notes(other.notes), name(other.name), iconIndex(other.iconIndex), modifiedTime(other.modifiedTime),
      nodeId(newNodeId())
{
}

void CNode::setName(const CString& newName)
{
    name = newName;
    modifiedTime = std::time(nullptr);
}

bool CNode::save(COutputStream& out)
{
    const CString& iconName = NodeTreeState::iconIndex().iconName(iconIndex);
    const auto time = static_cast<int>(static_cast<std::uint32_t>(modifiedTime));
    return write(out, name) && write(out, iconName) && write(out, notes) && write(out, time);
}

bool CNode::load(ZenthoIO::CInputStream& in, unsigned int version)
{
    int time = 0;
    if (version == 1) {
        int legacyIcon = 0;
        if (!(read(in, name) && read(in, legacyIcon) && read(in, notes) && read(in, time)))
            return false;
        // Cards of that version show their type's icon whatever they stored.
        iconIndex = isCategory() ? legacyCategoryIconIndex(legacyIcon) : IconNames::cardTypeIconIndex(typeId);
    } else if (version == 2 || version == 3) {
        CString iconName;
        if (!(read(in, name) && read(in, iconName) && read(in, notes) && read(in, time)))
            return false;
        iconIndex = NodeTreeState::iconIndex().imageIndex(iconName, isCard());
    } else {
        NodeTreeState::showMessage("Load unsupported version of CNode!");
        return false;
    }
    modifiedTime = time;
    return true;
}

bool CNode::writeExportLine(COutputStream& out, const CString& label, const CString& value)
{
    if (value.IsEmpty())
        return true;
    return writeRaw(out, exportCut(label)) && writeRaw(out, exportCut(value)) && writeRaw(out, "\r\n");
}

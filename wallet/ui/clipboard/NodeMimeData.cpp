#include "clipboard/NodeMimeData.h"

#include "clipboard/ClipboardTexts.h"
#include "model/Node.h"

#include <QDrag>
#include <QWidget>
#include <QtEndian>

namespace {

constexpr int kPayloadSize = 4;

} // namespace

CNodeMimeData::CNodeMimeData(const CNode& node)
{
    QByteArray payload(kPayloadSize, '\0');
    qToLittleEndian(node.getNodeId(), payload.data());
    setData(QString::fromLatin1(ClipboardTexts::kNodeFormat), payload);
}

std::optional<std::uint32_t> draggedNodeId(const QMimeData& data)
{
    const QByteArray payload = data.data(QString::fromLatin1(ClipboardTexts::kNodeFormat));
    if (!qobject_cast<const CNodeMimeData*>(&data) || payload.size() != kPayloadSize)
        return std::nullopt;
    return qFromLittleEndian<std::uint32_t>(payload.constData());
}

void dragNode(QWidget& source, const CNode& node)
{
    auto* drag = new QDrag(&source);
    drag->setMimeData(new CNodeMimeData(node));
    drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
}

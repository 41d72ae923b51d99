// The data of a node's drag: the format "KeldraNode" with 4 bytes, the
// node's identity (not its address). It means something only to this
// program, so only the data this program made is taken.
#pragma once

#include <QMimeData>

#include <cstdint>
#include <optional>

class CNode;
class QWidget;

class CNodeMimeData : public QMimeData {
    Q_OBJECT
public:
    explicit CNodeMimeData(const CNode& node);
};

// The identity of the node the data carries; none when the data is not a
// node's drag started in this program.
std::optional<std::uint32_t> draggedNodeId(const QMimeData& data);

// Drags `node` from `source` (copy, move and link allowed) until the drop;
// the drop target does the rest.
void dragNode(QWidget& source, const CNode& node);

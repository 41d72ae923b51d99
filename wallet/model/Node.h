// What categories and cards share: the name, the notes, the icon, the parent
// category and the time of the last rename, and the part of the record that
// stores them.
#pragma once

#include "Serializable.h"
#include "platform/CString.h"

#include <cstdint>

class CCategory;

class CNode : public Serializable {
public:
    static constexpr int kCategoryTypeId = -1;

    CNode* clone() override = 0;

    const CString& getName() const { return name; }
    // Also makes now the modified time.
    void setName(const CString& newName);
    CString& getNotes() { return notes; }
    const CString& getNotes() const { return notes; }
    int getIconIndex() const { return iconIndex; }
    void setIconIndex(int index) { iconIndex = index; }
    CCategory* getParent() const { return parent; }
    void setParent(CCategory* category) { parent = category; }
    // Seconds since 1970-01-01 UTC.
    std::int64_t getModifiedTime() const { return modifiedTime; }
    void setModifiedTime(std::int64_t seconds) { modifiedTime = seconds; }

    // A number (never 0) that no other node of this run has had, nor a copy of this one:
    // what keeps a node's identity for the program (the held node of Cut and
    // Copy, a drag) without its address, which a later node may reuse.
    std::uint32_t getNodeId() const { return nodeId; }

    bool isCategory() const { return typeId == kCategoryTypeId; }
    bool isCard() const { return typeId != kCategoryTypeId; }

    // The name, the icon's name, the notes and the low 32 bits of the time.
    bool save(COutputStream& out) override;
    bool load(ZenthoIO::CInputStream& in, unsigned int version) override;

    // One line of the text export: the label, the value and CR LF, each text
    // cut to 2048 bytes; nothing at all when the value is empty.
    static bool writeExportLine(COutputStream& out, const CString& label, const CString& value);

protected:
    CNode(int typeId, std::uint32_t position);
    CNode(const CNode& other);
    // A node keeps its identity: it is never overwritten by another's.
    CNode& operator=(const CNode&) = delete;

    CString notes;
    CString name;
    int iconIndex = 0;
    CCategory* parent = nullptr;
    std::int64_t modifiedTime;

private:
    std::uint32_t nodeId;
};

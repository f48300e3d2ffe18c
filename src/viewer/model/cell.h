#pragma once

#include "viewer/model/arenaptr.h"
#include "viewer/model/sectionbase.h"

#include <memory>
#include <memory_resource>
#include <vector>

namespace tessera::viewer {

class ClipBuffer;

using SectionPtr = ArenaPtr<TSectionBase>;
using TSectionVector = std::pmr::vector<SectionPtr>;

// A list of sections: the document itself, a table cell, or a caption.
class TCell {
public:
    explicit TCell(TSectionList* master) : m_master(master), m_sections(documentMemory(master)) {}
    virtual ~TCell() = default;
    TCell(const TCell&) = delete;
    TCell& operator=(const TCell&) = delete;

    // Takes the section over: an empty preformatted line gets one space, and the section learns
    // its master list and its fixed height.
    void Add(SectionPtr section);
    void Add(std::unique_ptr<TSectionBase> section) { Add(SectionPtr(section.release())); }
    void copyFrom(const TCell& other);

    void CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const;
    int FindString(const std::string& text, int from) const;
    void UpdateSpacing();

    const TSectionVector& sections() const { return m_sections; }
    TSectionVector& sections() { return m_sections; }
    int count() const { return static_cast<int>(m_sections.size()); }
    bool empty() const { return m_sections.empty(); }
    void clearSections() { m_sections.clear(); }

    TSectionList* master() const { return m_master; }
    void setMaster(TSectionList* master) { m_master = master; }

private:
    TSectionList* m_master = nullptr;
    TSectionVector m_sections;
};

} // namespace tessera::viewer

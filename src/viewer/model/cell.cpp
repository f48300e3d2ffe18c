#include "viewer/model/cell.h"

#include "viewer/model/section.h"

namespace tessera::viewer {

void TCell::Add(SectionPtr section)
{
    if (!section)
        return;
    if (section->kind() == SectionKind::PreFormated) {
        auto& pre = static_cast<TSection&>(*section);
        if (pre.empty())
            pre.prepareForBreak();
    }
    section->setMaster(m_master);
    section->UpdateSpacing();
    m_sections.push_back(std::move(section));
}

void TCell::copyFrom(const TCell& other)
{
    m_sections.clear();
    m_sections.reserve(other.m_sections.size());
    for (const auto& section : other.m_sections)
        m_sections.push_back(SectionPtr(section->clone(m_master).release()));
}

void TCell::CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const
{
    for (const auto& section : m_sections)
        section->CopyToClipboard(buffer, selStart, selEnd);
}

int TCell::FindString(const std::string& text, int from) const
{
    for (const auto& section : m_sections) {
        int found = section->FindString(text, from);
        if (found >= 0)
            return found;
    }
    return -1;
}

void TCell::UpdateSpacing()
{
    for (const auto& section : m_sections)
        section->UpdateSpacing();
}

} // namespace tessera::viewer

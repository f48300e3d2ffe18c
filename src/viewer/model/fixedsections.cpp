#include "viewer/model/fixedsections.h"

#include "viewer/model/attribute.h"
#include "viewer/model/clipbuffer.h"
#include "viewer/model/font.h"
#include "viewer/model/sectionlist.h"

#include <array>

namespace tessera::viewer {

namespace {

int defaultSize(const TSectionBase& section)
{
    return section.master() ? section.master()->fontSize() : TSectionList::kDefaultFontSize;
}

} // namespace

std::unique_ptr<TSectionBase> TBlankLine::clone(TSectionList* master) const
{
    // A face belongs to its document: the copy takes the same font among the new one's faces.
    auto copy = std::make_unique<TBlankLine>(*this);
    copy->setMaster(master);
    copy->setFace(documentFace(master, m_face->font));
    return copy;
}

void TBlankLine::CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const
{
    if (selStart < startCursor && selEnd > startCursor)
        buffer.AddTextCR({});
}

std::unique_ptr<TSectionBase> TParagraphSpace::clone(TSectionList* master) const
{
    auto copy = std::make_unique<TParagraphSpace>(*this);
    copy->setMaster(master);
    return copy;
}

void TParagraphSpace::UpdateSpacing() { sectionHeight = mulDiv(14, defaultSize(*this), 12); }

std::unique_ptr<TSectionBase> THeadingSpace::clone(TSectionList* master) const
{
    auto copy = std::make_unique<THeadingSpace>(*this);
    copy->setMaster(master);
    return copy;
}

void THeadingSpace::UpdateSpacing()
{
    static constexpr std::array<int, 7> kHeights{8, 16, 12, 10, 8, 6, 4};
    int height = (m_level >= 0 && m_level <= 6) ? kHeights[static_cast<std::size_t>(m_level)] : 8;
    sectionHeight = mulDiv(height, defaultSize(*this), 12);
}

THorzLine::THorzLine(TSectionList* master, const TAttributeList& attributes)
    : TSectionBase(master), m_noShade(attributes.has(AttrSymbol::NoShade))
{
    if (const TAttribute* size = attributes.find(AttrSymbol::Size); size && size->value >= 1)
        m_thickness = std::min<int>(size->value, kMaxThickness);
    if (const TAttribute* width = attributes.find(AttrSymbol::Width)) {
        if (width->isPercent()) {
            if (width->value >= 1 && width->value <= 100) {
                m_width = width->value;
                m_percent = true;
            }
        } else if (width->value > 0) {
            m_width = std::min<int>(width->value, 32000);
        }
    }
}

std::unique_ptr<TSectionBase> THorzLine::clone(TSectionList* master) const
{
    auto copy = std::make_unique<THorzLine>(*this);
    copy->setMaster(master);
    return copy;
}

void THorzLine::UpdateSpacing() { sectionHeight = mulDiv(20, defaultSize(*this), 12) - 2 + m_thickness; }

} // namespace tessera::viewer

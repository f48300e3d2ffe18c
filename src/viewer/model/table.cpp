#include "viewer/model/table.h"

#include "viewer/model/attribute.h"
#include "viewer/model/textutil.h"

#include <algorithm>

namespace tessera::viewer {

namespace {

// WIDTH as pixels or a percentage 1-100; anything unusable is "not given" (0).
void readWidth(const TAttribute* attribute, int& width, bool& percent)
{
    width = 0;
    percent = false;
    if (!attribute)
        return;
    if (attribute->isPercent()) {
        if (attribute->value >= 1 && attribute->value <= 100) {
            width = attribute->value;
            percent = true;
        }
    } else if (attribute->value > 0) {
        width = std::min<int>(attribute->value, 32000);
    }
}

} // namespace

TCellObj::TCellObj(TSectionList* master, const TAttributeList& attributes, VAlign defaultAlign)
    : m_vAlign(defaultAlign), m_cell(master)
{
    if (const TAttribute* span = attributes.find(AttrSymbol::ColSpan); span && span->value > 1)
        m_colSpan = std::min<int>(span->value, kMaxSpan);
    if (const TAttribute* span = attributes.find(AttrSymbol::RowSpan); span && span->value > 1)
        m_rowSpan = std::min<int>(span->value, kMaxSpan);
    if (const TAttribute* valign = attributes.find(AttrSymbol::VAlign)) {
        std::string value = text::toUpper(valign->name);
        if (value == "TOP")
            m_vAlign = VAlign::Top;
        else if (value == "MIDDLE")
            m_vAlign = VAlign::Middle;
        else if (value == "BOTTOM")
            m_vAlign = VAlign::Bottom;
    }
    readWidth(attributes.find(AttrSymbol::Width), m_specWidth, m_widthPercent);
    if (const TAttribute* color = attributes.find(AttrSymbol::BgColor)) {
        if (auto parsed = parseHtmlColor(color->name))
            setBackground(*parsed);
    }
}

std::unique_ptr<TCellObj> TCellObj::clone(TSectionList* master) const
{
    auto copy = std::make_unique<TCellObj>(master, TAttributeList());
    copy->m_colSpan = m_colSpan;
    copy->m_rowSpan = m_rowSpan;
    copy->m_vAlign = m_vAlign;
    copy->m_specWidth = m_specWidth;
    copy->m_widthPercent = m_widthPercent;
    copy->m_hasBackground = m_hasBackground;
    copy->m_background = m_background;
    copy->m_cell.copyFrom(m_cell);
    return copy;
}

ThtmlTable::ThtmlTable(TSectionList* master, const TAttributeList& attributes, Justify current)
    : TSectionBase(master), columnWidths(documentMemory(master)), rowHeights(documentMemory(master)),
      columnMin(documentMemory(master)), columnMax(documentMemory(master)), columnPercent(documentMemory(master)),
      columnFixed(documentMemory(master)),
      m_rows(documentMemory(master)), m_justify(current)
{
    if (const TAttribute* border = attributes.find(AttrSymbol::Border))
        m_border = border->value > 0;
    if (const TAttribute* align = attributes.find(AttrSymbol::Align)) {
        std::string value = text::toUpper(align->name);
        if (value == "CENTER")
            m_justify = Justify::Center;
        else if (value == "RIGHT")
            m_justify = Justify::Right;
    }
    readWidth(attributes.find(AttrSymbol::Width), m_width, m_widthPercent);
    // The stored padding and spacing are one more than written; negative values count as -1.
    if (const TAttribute* padding = attributes.find(AttrSymbol::CellPadding))
        m_cellPadding = text::clampInt(std::int64_t(padding->value) + 1, 0, kMaxPadding);
    if (const TAttribute* spacing = attributes.find(AttrSymbol::CellSpacing))
        m_cellSpacing = text::clampInt(std::int64_t(spacing->value) + 1, 0, kMaxSpacing);
    if (const TAttribute* color = attributes.find(AttrSymbol::BgColor)) {
        if (auto parsed = parseHtmlColor(color->name)) {
            m_background = *parsed;
            m_hasBackground = true;
        }
    }
    if (const TAttribute* color = attributes.find(AttrSymbol::BorderColor)) {
        if (auto parsed = parseHtmlColor(color->name)) {
            m_borderColor = *parsed;
            m_hasBorderColor = true;
        }
    }
}

std::unique_ptr<TSectionBase> ThtmlTable::clone(TSectionList* master) const
{
    auto copy = std::make_unique<ThtmlTable>(master, TAttributeList(), m_justify);
    copy->m_captionOnTop = m_captionOnTop;
    copy->m_border = m_border;
    copy->m_width = m_width;
    copy->m_widthPercent = m_widthPercent;
    copy->m_cellPadding = m_cellPadding;
    copy->m_cellSpacing = m_cellSpacing;
    copy->m_hasBackground = m_hasBackground;
    copy->m_background = m_background;
    copy->m_hasBorderColor = m_hasBorderColor;
    copy->m_borderColor = m_borderColor;
    copy->m_listLevel = m_listLevel;
    copy->setSourceBegin(source().begin);
    copy->setSourceEnd(source().end);
    for (const TCellList& row : m_rows) {
        TCellList rowCopy = copy->newRow();
        for (const auto& cell : row)
            rowCopy.push_back(ArenaPtr<TCellObj>(cell ? cell->clone(master).release() : nullptr));
        copy->m_rows.push_back(std::move(rowCopy));
    }
    if (m_caption)
        copy->m_caption = ArenaPtr<TCellObj>(m_caption->clone(master).release());
    return copy;
}

void ThtmlTable::setCaption(ArenaPtr<TCellObj> caption, bool onTop)
{
    m_caption = std::move(caption);
    m_captionOnTop = onTop;
}

void ThtmlTable::CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const
{
    if (m_caption && m_captionOnTop)
        m_caption->cell().CopyToClipboard(buffer, selStart, selEnd);
    for (const TCellList& row : m_rows) {
        for (const auto& cell : row) {
            if (cell)
                cell->cell().CopyToClipboard(buffer, selStart, selEnd);
        }
    }
    if (m_caption && !m_captionOnTop)
        m_caption->cell().CopyToClipboard(buffer, selStart, selEnd);
}

int ThtmlTable::FindString(const std::string& text, int from) const
{
    int best = -1;
    auto consider = [&best](int found) {
        if (found >= 0 && (best < 0 || found < best))
            best = found;
    };
    if (m_caption)
        consider(m_caption->cell().FindString(text, from));
    for (const TCellList& row : m_rows) {
        for (const auto& cell : row) {
            if (cell)
                consider(cell->cell().FindString(text, from));
        }
    }
    return best;
}

void ThtmlTable::UpdateSpacing()
{
    if (m_caption)
        m_caption->cell().UpdateSpacing();
    for (const TCellList& row : m_rows) {
        for (const auto& cell : row) {
            if (cell)
                cell->cell().UpdateSpacing();
        }
    }
}

} // namespace tessera::viewer

#include "viewer/layout/layout.h"

#include "viewer/model/fixedsections.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/table.h"

#include <sstream>

namespace tessera::viewer {

namespace {

const char* kindName(SectionKind kind)
{
    switch (kind) {
    case SectionKind::Section:
        return "text";
    case SectionKind::PreFormated:
        return "pre";
    case SectionKind::UListItem:
        return "ul";
    case SectionKind::OListItem:
        return "ol";
    case SectionKind::DListItem:
        return "dl";
    case SectionKind::ParagraphSpace:
        return "par";
    case SectionKind::BlankLine:
        return "blank";
    case SectionKind::HeadingSpace:
        return "head";
    case SectionKind::HorzLine:
        return "hr";
    case SectionKind::Table:
        return "table";
    }
    return "?";
}

// The visible text of a line: placeholders as [img] and [ctl], trailing spaces kept.
std::string lineText(std::string_view text, const LineRec& line)
{
    std::string out;
    for (int i = line.start; i < line.start + line.count && i < static_cast<int>(text.size()); ++i) {
        char c = text[static_cast<std::size_t>(i)];
        if (c == kImagePlaceholder)
            out += "[img]";
        else if (c == kControlPlaceholder)
            out += "[ctl]";
        else
            out += c;
    }
    return out;
}

void dumpCell(std::ostringstream& out, const TCell& cell, int depth);

void dumpSection(std::ostringstream& out, const TSectionBase& section, int depth)
{
    std::string pad(static_cast<std::size_t>(depth) * 2, ' ');
    out << pad << kindName(section.kind()) << " y=" << section.yPosition << " h=" << section.sectionHeight;
    if (section.drawHeight != section.sectionHeight)
        out << " dh=" << section.drawHeight;
    if (section.isTextSection()) {
        const auto& text = static_cast<const TSection&>(section);
        out << '\n';
        int y = section.yPosition;
        for (const LineRec& line : text.lines()) {
            out << pad << "  line y=" << y << " x=" << line.lineIndent << " w=" << line.drawWidth << " h=" << line.lineHeight;
            if (line.spaceBefore)
                out << " above=" << line.spaceBefore;
            if (line.spaceAfter)
                out << " below=" << line.spaceAfter;
            out << " \"" << lineText(text.text(), line) << "\"\n";
            y += line.lineHeight + line.spaceBefore + line.spaceAfter;
        }
        for (const auto& image : text.images())
            out << pad << "  img " << image->drawX << ',' << image->drawY << ' ' << image->drawWidth << 'x'
                << image->drawHeight << '\n';
        for (const auto& control : text.formControls()) {
            if (!control->hidden())
                out << pad << "  ctl " << control->x << ',' << control->y << ' ' << control->width << 'x'
                    << control->height << '\n';
        }
        return;
    }
    if (section.kind() == SectionKind::HorzLine) {
        const auto& rule = static_cast<const THorzLine&>(section);
        out << " x=" << rule.drawX << " w=" << rule.drawWidth << '\n';
        return;
    }
    if (section.kind() != SectionKind::Table) {
        out << '\n';
        return;
    }
    const auto& table = static_cast<const ThtmlTable&>(section);
    out << " x=" << table.left << " w=" << table.tableWidth << " cols=";
    for (std::size_t c = 0; c < table.columnWidths.size(); ++c)
        out << (c ? "," : "") << table.columnWidths[c];
    out << " rows=";
    for (std::size_t r = 0; r < table.rowHeights.size(); ++r)
        out << (r ? "," : "") << table.rowHeights[r];
    out << '\n';
    if (table.caption() && table.captionOnTop()) {
        out << pad << "  caption\n";
        dumpCell(out, table.caption()->cell(), depth + 2);
    }
    for (std::size_t r = 0; r < table.rows().size(); ++r) {
        const TCellList& row = table.rows()[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const TCellObj* cell = row[c].get();
            if (!cell)
                continue;
            out << pad << "  cell " << r << ',' << c << " x=" << cell->x << " y=" << cell->y << " w=" << cell->width
                << " h=" << cell->height << '\n';
            dumpCell(out, cell->cell(), depth + 2);
        }
    }
    if (table.caption() && !table.captionOnTop()) {
        out << pad << "  caption\n";
        dumpCell(out, table.caption()->cell(), depth + 2);
    }
}

void dumpCell(std::ostringstream& out, const TCell& cell, int depth)
{
    for (const auto& section : cell.sections())
        dumpSection(out, *section, depth);
}

} // namespace

std::string dumpLayout(const TSectionList& document)
{
    std::ostringstream out;
    dumpCell(out, document, 0);
    return out.str();
}

} // namespace tessera::viewer

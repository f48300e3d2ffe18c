#include "viewer/layout/hittest.h"

#include "viewer/layout/layout.h"
#include "viewer/layout/linewalk.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/imageobj.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/table.h"

#include <algorithm>
#include <functional>

namespace tessera::viewer {

namespace {

// The text sections and table cells at a point, innermost last. `visit` is called for each
// text section whose extent covers y; it returns true to stop.
bool findAt(TCell& cell, int x, int y, const std::function<bool(TSection&)>& visit, int depth = 0)
{
    if (depth > 200)
        return false;
    auto& sections = cell.sections();
    // Sections are in Y order: start at the last one that begins at or above y.
    auto after = std::upper_bound(sections.begin(), sections.end(), y,
                                  [](int py, const SectionPtr& s) { return py < s->yPosition; });
    std::size_t start = after == sections.begin() ? 0 : static_cast<std::size_t>(after - sections.begin()) - 1;
    // Floating images may reach down from sections above; look back a few.
    std::size_t from = start >= 8 ? start - 8 : 0;
    for (std::size_t i = from; i < sections.size(); ++i) {
        TSectionBase& section = *sections[i];
        if (section.yPosition > y)
            break;
        int extent = std::max(section.sectionHeight, section.drawHeight);
        if (y >= section.yPosition + extent)
            continue;
        if (section.isTextSection()) {
            if (visit(static_cast<TSection&>(section)))
                return true;
            continue;
        }
        if (section.kind() != SectionKind::Table)
            continue;
        auto& table = static_cast<ThtmlTable&>(section);
        if (TCellObj* caption = table.caption()) {
            if (findAt(caption->cell(), x, y, visit, depth + 1))
                return true;
        }
        for (TCellList& row : table.rows()) {
            for (auto& cellObj : row) {
                if (cellObj && x >= cellObj->x && x < cellObj->x + cellObj->width && y >= cellObj->y
                    && y < cellObj->y + cellObj->height && findAt(cellObj->cell(), x, y, visit, depth + 1))
                    return true;
            }
        }
    }
    return false;
}

bool inside(int x, int y, int left, int top, int w, int h) { return x >= left && x < left + w && y >= top && y < top + h; }

// The line of a section under y, with its top; false when none.
const LineRec* lineAt(const TSection& section, int y, int& lineTop)
{
    int top = section.yPosition;
    for (const LineRec& line : section.lines()) {
        int advance = line.lineHeight + line.spaceBefore + line.spaceAfter;
        if (y >= top && y < top + advance) {
            lineTop = top;
            return &line;
        }
        top += advance;
    }
    return nullptr;
}

} // namespace

std::string HitTester::GetURL(TSectionList& document, int x, int y)
{
    std::string url;
    findAt(document, x, y, [&](TSection& section) {
        for (auto& image : section.images()) {
            if (!inside(x, y, image->drawX, image->drawY, image->drawWidth, image->drawHeight))
                continue;
            if (image->useMap()) {
                if (const TMapItem* map = document.findMap(image->mapName())) {
                    std::string target;
                    if (map->GetURL(x - image->drawX, y - image->drawY, target)) {
                        url = target;
                        return true;
                    }
                }
            }
            const TFontObj* font = section.fonts().fontAt(image->position());
            if (font && !font->url.empty()) {
                url = font->url;
                if (image->isMap())
                    url += "?" + std::to_string(x - image->drawX) + "," + std::to_string(y - image->drawY);
                return true;
            }
            return false;
        }
        int lineTop = 0;
        const LineRec* line = lineAt(section, y, lineTop);
        if (!line)
            return false;
        walkLine(m_engine, section, *line, [&](const LinePiece& piece) {
            if (piece.kind == LinePiece::Kind::FloatingImage)
                return true;
            if (x >= piece.x && x < piece.x + piece.width) {
                if (piece.kind == LinePiece::Kind::Text && piece.font)
                    url = piece.font->url;
                return false;
            }
            return x >= piece.x;
        });
        return !url.empty();
    });
    return url;
}

int HitTester::FindCursor(TSectionList& document, int x, int y, TSection** hitSection)
{
    int result = -1;
    if (hitSection)
        *hitSection = nullptr;
    findAt(document, x, y, [&](TSection& section) {
        int lineTop = 0;
        const LineRec* line = lineAt(section, y, lineTop);
        if (!line)
            return false;
        const std::string_view all(section.text());
        int index = line->start;
        bool found = false;
        if (x < line->lineIndent) {
            index = line->start;
            found = true;
        }
        if (!found) {
            walkLine(m_engine, section, *line, [&](const LinePiece& piece) {
                if (piece.kind == LinePiece::Kind::FloatingImage)
                    return true;
                index = piece.end;
                if (x >= piece.x + piece.width)
                    return true;
                if (piece.kind != LinePiece::Kind::Text || !piece.font) {
                    index = x < piece.x + piece.width / 2 ? piece.start : piece.end;
                    found = true;
                    return false;
                }
                // The character whose left half or right half holds x.
                const FontMetrics& metrics = m_engine.metricsOf(*piece.font);
                int fitWidth = 0;
                std::string_view run = all.substr(static_cast<std::size_t>(piece.start), static_cast<std::size_t>(piece.end - piece.start));
                int fitted = m_engine.measurer().fitText(metrics.fontId, run, x - piece.x + metrics.overhang, fitWidth);
                index = piece.start + fitted;
                if (fitted < static_cast<int>(run.size())) {
                    int next = nextCharBoundary(run, fitted);
                    int nextWidth = m_engine.runWidth(*piece.font, run.substr(0, static_cast<std::size_t>(next)));
                    int here = std::max(0, fitWidth - metrics.overhang);
                    if (x - piece.x > (here + nextWidth) / 2)
                        index = piece.start + next;
                }
                found = true;
                return false;
            });
        }
        result = section.startCursor + index;
        if (hitSection)
            *hitSection = &section;
        return true;
    });
    return result;
}

bool HitTester::CursorToXY(TSectionList& document, int index, int& x, int& y, int* lineHeight)
{
    std::function<bool(TCell&, int)> search = [&](TCell& cell, int depth) -> bool {
        if (depth > 200)
            return false;
        for (auto& sectionPtr : cell.sections()) {
            TSectionBase& section = *sectionPtr;
            if (index < section.startCursor || index > section.startCursor + section.length)
                continue;
            if (section.kind() == SectionKind::Table) {
                auto& table = static_cast<ThtmlTable&>(section);
                if (table.caption() && search(table.caption()->cell(), depth + 1))
                    return true;
                for (TCellList& row : table.rows()) {
                    for (auto& cellObj : row) {
                        if (cellObj && search(cellObj->cell(), depth + 1))
                            return true;
                    }
                }
                continue;
            }
            if (!section.isTextSection())
                continue;
            auto& text = static_cast<TSection&>(section);
            int position = index - text.startCursor;
            int top = text.yPosition;
            for (const LineRec& line : text.lines()) {
                int advance = line.lineHeight + line.spaceBefore + line.spaceAfter;
                if (position >= line.start && position <= line.start + line.count) {
                    x = xInLine(text, line, position);
                    y = top;
                    if (lineHeight)
                        *lineHeight = advance;
                    return true;
                }
                top += advance;
            }
        }
        return false;
    };
    return search(document, 0);
}

int HitTester::xInLine(TSection& section, const LineRec& line, int position)
{
    const std::string_view all(section.text());
    int x = line.lineIndent;
    walkLine(m_engine, section, line, [&](const LinePiece& piece) {
        if (piece.kind == LinePiece::Kind::FloatingImage)
            return true;
        if (position >= piece.end) {
            x = piece.x + piece.width;
            return true;
        }
        x = piece.x;
        if (piece.kind == LinePiece::Kind::Text && piece.font && position > piece.start)
            x += m_engine.runWidth(*piece.font, all.substr(static_cast<std::size_t>(piece.start),
                                                           static_cast<std::size_t>(position - piece.start)));
        return false;
    });
    return x;
}

bool HitTester::SectionCursorToXY(TSection& section, int position, int& x, int& y, int* lineHeight)
{
    const LineRec* found = nullptr;
    int foundTop = 0;
    int top = section.yPosition;
    for (const LineRec& line : section.lines()) {
        if (position >= line.start && position <= line.start + line.count) {
            // A later line starting exactly here holds the character; keep looking for it.
            found = &line;
            foundTop = top;
            if (position < line.start + line.count)
                break;
        } else if (found) {
            break;
        }
        top += line.lineHeight + line.spaceBefore + line.spaceAfter;
    }
    if (!found)
        return false;
    x = xInLine(section, *found, position);
    y = foundTop;
    if (lineHeight)
        *lineHeight = found->lineHeight + found->spaceBefore + found->spaceAfter;
    return true;
}

TFormControlObj* HitTester::controlAt(TSectionList& document, int x, int y)
{
    for (const auto& form : document.forms()) {
        for (const auto& control : form->controls()) {
            if (!control->hidden() && inside(x, y, control->x, control->y, control->width, control->height))
                return control.get();
        }
    }
    return nullptr;
}

} // namespace tessera::viewer

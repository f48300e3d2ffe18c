#include "viewer/paint/painter.h"

#include "viewer/layout/layout.h"
#include "viewer/layout/linewalk.h"
#include "viewer/model/fixedsections.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/imageobj.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/table.h"

#include <algorithm>

namespace tessera::viewer {

namespace {

constexpr int kMaxTableDepth = 200; // painting nested tables recurses; deeper ones are skipped

Color listDiscColor(int level)
{
    switch ((std::max(1, level) - 1) % 3) {
    case 0:
        return colors::kRed;
    case 1:
        return colors::kNavy;
    default:
        return colors::kMaroon;
    }
}

} // namespace

Rect Painter::toCanvas(int x, int y, int w, int h) const
{
    return Rect{x + m_options.originX, y + m_options.originY, x + w + m_options.originX, y + h + m_options.originY};
}

bool Painter::visible(int top, int height) const
{
    int canvasTop = top + m_options.originY;
    return canvasTop < m_options.clip.bottom && canvasTop + height > m_options.clip.top;
}

void Painter::frame(const Rect& r, Color topLeft, Color bottomRight)
{
    if (r.empty())
        return;
    m_canvas->drawLine(r.left, r.top, r.right - 1, r.top, topLeft);
    m_canvas->drawLine(r.left, r.top, r.left, r.bottom - 1, topLeft);
    m_canvas->drawLine(r.left, r.bottom - 1, r.right - 1, r.bottom - 1, bottomRight);
    m_canvas->drawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1, bottomRight);
}

void Painter::paintDocument(TSectionList& document, Canvas& canvas, const PaintOptions& options)
{
    m_document = &document;
    m_canvas = &canvas;
    m_options = options;
    canvas.setClip(options.clip);
    std::shared_ptr<const Bitmap> backgroundImage = document.viewImages ? document.backgroundBitmap() : nullptr;
    if (backgroundImage && backgroundImage->width > 0 && backgroundImage->height > 0) {
        // Tiled from the document's origin, so it scrolls with the text.
        int w = backgroundImage->width;
        int h = backgroundImage->height;
        int startX = options.originX - ((options.originX - options.clip.left) / w + 1) * w;
        int startY = options.originY - ((options.originY - options.clip.top) / h + 1) * h;
        for (int y = startY; y < options.clip.bottom; y += h) {
            for (int x = startX; x < options.clip.right; x += w) {
                if (x + w > options.clip.left && y + h > options.clip.top)
                    canvas.drawImage(Rect{x, y, x + w, y + h}, *backgroundImage);
            }
        }
    } else {
        canvas.fillRect(options.clip, document.background());
    }
    m_dark = options.buttonShadow;
    m_light = (document.background() == colors::kWhite && !backgroundImage) ? colors::kSilver : options.buttonHighlight;
    m_selStart = std::min(document.selectionStart, document.selectionEnd);
    m_selEnd = std::max(document.selectionStart, document.selectionEnd);
    if (m_selStart < 0)
        m_selStart = m_selEnd = 0;
    paintCell(document, 0);
}

void Painter::paintCell(TCell& cell, int depth)
{
    for (auto& section : cell.sections()) {
        int top = section->yPosition + m_options.originY;
        if (top >= m_options.clip.bottom)
            break;
        if (visible(section->yPosition, std::max(section->sectionHeight, section->drawHeight)))
            paintSection(*section, depth);
    }
}

void Painter::paintSection(TSectionBase& section, int depth)
{
    if (section.isTextSection()) {
        paintText(static_cast<TSection&>(section));
        return;
    }
    if (section.kind() == SectionKind::Table) {
        if (depth < kMaxTableDepth)
            paintTable(static_cast<ThtmlTable&>(section), depth + 1);
        return;
    }
    if (section.kind() == SectionKind::HorzLine)
        paintRule(static_cast<THorzLine&>(section));
}

void Painter::paintMarker(TSection& section, int lineIndent, int baseline, int lineHeight)
{
    const TFontObj* font = section.fonts().fontAt(0);
    if (section.listType() == ListType::Numbered && font) {
        std::string number = std::to_string(section.itemNumber()) + ".";
        TMyFont drawn = LayoutEngine::drawFont(m_document, *font);
        drawn.underline = false;
        int w = m_engine.runWidth(*font, number);
        m_canvas->drawText(lineIndent - w - 5 + m_options.originX, baseline + m_options.originY, number, drawn,
                           drawn.color);
    } else if (section.listType() == ListType::Bulleted && !section.plain()) {
        int cx = lineIndent - 8;
        int cy = baseline - lineHeight / 2;
        Rect disc = toCanvas(cx - 2, cy - 2, 5, 5);
        Color background = m_document->background();
        bool classic = background == colors::kWhite || background == colors::kSilver || background == m_options.buttonFace;
        if (classic)
            m_canvas->drawEllipse(disc, listDiscColor(section.listLevel()), true);
        else
            m_canvas->drawEllipse(disc, m_document->fontColor(), false);
    }
}

void Painter::paintText(TSection& section)
{
    const std::string_view text = section.text();
    const std::string_view all(text);
    // Floating images are drawn where the indents put them, whichever line holds them.
    for (auto& image : section.images()) {
        if (image->isFloating() && visible(image->drawY, image->drawHeight))
            paintImage(*image);
    }
    int y = section.yPosition;
    bool first = true;
    for (const LineRec& line : section.lines()) {
        int advance = line.lineHeight + line.spaceBefore + line.spaceAfter;
        if (y + m_options.originY >= m_options.clip.bottom)
            break;
        int lineTop = y + line.spaceBefore;
        int baseline = lineTop + line.lineHeight - line.descent;
        if (first)
            paintMarker(section, line.lineIndent, baseline, line.lineHeight);
        first = false;
        if (!visible(y, advance)) {
            y += advance;
            continue;
        }
        walkLine(m_engine, section, line, [&](const LinePiece& piece) {
            switch (piece.kind) {
            case LinePiece::Kind::FloatingImage:
                return true;
            case LinePiece::Kind::Image:
                paintImage(*piece.image);
                return true;
            case LinePiece::Kind::Control:
                piece.control->x = piece.x;
                paintControl(*piece.control);
                return true;
            case LinePiece::Kind::Text:
                break;
            }
            if (!piece.font)
                return true;
            const TFontObj& fontObj = *piece.font;
            TMyFont font = LayoutEngine::drawFont(m_document, fontObj);
            const FontMetrics& metrics = m_engine.metricsOf(fontObj);
            int textBaseline = baseline;
            if (fontObj.verticalOffset == VerticalOffset::Superscript)
                textBaseline -= metrics.height / 3;
            else if (fontObj.verticalOffset == VerticalOffset::Subscript)
                textBaseline += metrics.descent / 2 + 1;
            // Split the run where the selection starts or ends.
            int docStart = section.startCursor + piece.start;
            int docEnd = section.startCursor + piece.end;
            int cuts[4] = {docStart, std::clamp(m_selStart, docStart, docEnd), std::clamp(m_selEnd, docStart, docEnd), docEnd};
            int x = piece.x;
            for (int k = 0; k < 3; ++k) {
                if (cuts[k + 1] <= cuts[k])
                    continue;
                std::string_view part = all.substr(static_cast<std::size_t>(cuts[k] - section.startCursor),
                                                   static_cast<std::size_t>(cuts[k + 1] - cuts[k]));
                int w = (k == 0 && cuts[1] == docEnd) ? piece.width : m_engine.runWidth(fontObj, part);
                int drawX = x - metrics.overhang / 2 + m_options.originX;
                if (k == 1) {
                    Color background = m_document->background();
                    m_canvas->drawText(drawX, textBaseline + m_options.originY, part, font, background, &font.color);
                } else {
                    m_canvas->drawText(drawX, textBaseline + m_options.originY, part, font, font.color);
                }
                x += w;
            }
            return true;
        });
        y += advance;
    }
}

void Painter::paintImage(TImageObj& image)
{
    Rect r = toCanvas(image.drawX, image.drawY, image.drawWidth, image.drawHeight);
    if (!r.intersects(m_options.clip))
        return;
    if (m_document->viewImages && image.bitmap) {
        m_canvas->drawImage(r, *image.bitmap);
        return;
    }
    // A frame, a small picture (crossed out when the file could not be read) and the ALT text.
    frame(r, m_dark, m_light);
    bool broken = m_document->viewImages && image.loadAttempted;
    Rect icon{r.left + 4, r.top + 4, std::min(r.right - 4, r.left + 16), std::min(r.bottom - 4, r.top + 16)};
    if (!icon.empty()) {
        m_canvas->fillRect(icon, Color::fromRgb(0xFFFFFF));
        frame(icon, Color::fromRgb(0x808080), Color::fromRgb(0x808080));
        if (broken) {
            m_canvas->drawLine(icon.left + 2, icon.top + 2, icon.right - 3, icon.bottom - 3, colors::kRed);
            m_canvas->drawLine(icon.right - 3, icon.top + 2, icon.left + 2, icon.bottom - 3, colors::kRed);
        } else {
            Rect sky{icon.left + 2, icon.top + 2, icon.right - 2, icon.bottom - 2};
            m_canvas->fillRect(sky, Color::fromRgb(0x80C0FF));
            m_canvas->fillRect(Rect{sky.left, sky.top + sky.height() / 2, sky.right, sky.bottom}, Color::fromRgb(0x40A040));
        }
    }
    if (!image.alt().empty() && r.width() > 28) {
        TMyFont font = m_document->baseFont();
        Rect saved = m_canvas->clip();
        m_canvas->setClip(saved.intersected(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}));
        int id = m_engine.measurer().fontId(font);
        FontMetrics metrics = m_engine.measurer().metrics(id);
        m_canvas->drawText(r.left + 22, r.top + 4 + metrics.ascent, image.alt(), font, m_document->fontColor());
        m_canvas->setClip(saved);
    }
}

void Painter::paintControl(TFormControlObj& control)
{
    if (m_options.placeControl)
        m_options.placeControl(control, control.x + m_options.originX, control.y + m_options.originY);
    if (!m_options.drawControls)
        return;
    Rect r = toCanvas(control.x, control.y, control.width, control.height);
    if (!r.intersects(m_options.clip))
        return;
    const TMyFont font = controlFont(control.kind(), *m_document);
    TextMeasurer& measurer = m_engine.measurer();
    int id = measurer.fontId(font);
    FontMetrics metrics = measurer.metrics(id);
    const Color white = colors::kWhite;
    const Color black = colors::kBlack;
    const Color face = m_options.buttonFace;
    auto sunken = [&](const Rect& box) {
        m_canvas->fillRect(box, white);
        frame(box, m_dark, m_options.buttonHighlight);
        frame(Rect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, black, face);
    };
    auto clipped = [&](const Rect& box, int x, int baseline, const std::string& text, Color color) {
        Rect saved = m_canvas->clip();
        m_canvas->setClip(saved.intersected(box));
        m_canvas->drawText(x, baseline, text, font, color);
        m_canvas->setClip(saved);
    };
    int textBaseline = r.top + (r.height() - metrics.height) / 2 + metrics.ascent;
    switch (control.kind()) {
    case ControlKind::Hidden:
        return;
    case ControlKind::Edit: {
        auto& edit = static_cast<TEditFormControlObj&>(control);
        sunken(r);
        std::string shown = edit.password() ? std::string(edit.text().size(), '*') : edit.text();
        clipped(Rect{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, r.left + 4, textBaseline, shown, black);
        return;
    }
    case ControlKind::Button: {
        auto& button = static_cast<TButtonFormControlObj&>(control);
        m_canvas->fillRect(r, face);
        frame(r, m_options.buttonHighlight, black);
        frame(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, face, m_dark);
        int w = measurer.textWidth(id, button.label());
        clipped(r, r.left + (r.width() - w) / 2, textBaseline, button.label(), black);
        return;
    }
    case ControlKind::CheckBox: {
        auto& box = static_cast<TCheckBoxFormControlObj&>(control);
        Rect b{r.left + 1, r.top + 1, r.left + 14, r.top + 14};
        sunken(b);
        if (box.checked()) {
            for (int k = 0; k < 2; ++k) {
                m_canvas->drawLine(b.left + 3, b.top + 6 + k, b.left + 5, b.top + 8 + k, black);
                m_canvas->drawLine(b.left + 5, b.top + 8 + k, b.left + 9, b.top + 4 + k, black);
            }
        }
        return;
    }
    case ControlKind::RadioButton: {
        auto& radio = static_cast<TRadioButtonFormControlObj&>(control);
        Rect b{r.left + 1, r.top + 1, r.left + 14, r.top + 14};
        m_canvas->drawEllipse(b, white, true);
        m_canvas->drawEllipse(b, m_dark, false);
        if (radio.checked())
            m_canvas->drawEllipse(Rect{b.left + 4, b.top + 4, b.right - 4, b.bottom - 4}, black, true);
        return;
    }
    case ControlKind::Combo: {
        auto& combo = static_cast<TComboFormControlObj&>(control);
        sunken(r);
        Rect button{r.right - 18, r.top + 2, r.right - 2, r.bottom - 2};
        m_canvas->fillRect(button, face);
        frame(button, m_options.buttonHighlight, m_dark);
        int cx = (button.left + button.right) / 2;
        int cy = (button.top + button.bottom) / 2 - 1;
        for (int k = 0; k < 4; ++k)
            m_canvas->drawLine(cx - 3 + k, cy + k, cx + 3 - k, cy + k, black);
        int selected = combo.selectedIndex();
        if (selected >= 0 && selected < static_cast<int>(combo.options().size()))
            clipped(Rect{r.left + 2, r.top + 2, button.left, r.bottom - 2}, r.left + 4, textBaseline,
                    combo.options()[static_cast<std::size_t>(selected)].text, black);
        return;
    }
    case ControlKind::ListBox: {
        auto& list = static_cast<TListBoxFormControlObj&>(control);
        sunken(r);
        Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        int rowY = inner.top + 1;
        for (std::size_t i = 0; i < list.options().size() && rowY < inner.bottom; ++i) {
            bool on = list.isSelected(static_cast<int>(i));
            if (on)
                m_canvas->fillRect(Rect{inner.left, rowY, inner.right, std::min(inner.bottom, rowY + metrics.height)}, colors::kNavy);
            clipped(inner, inner.left + 2, rowY + metrics.ascent, list.options()[i].text, on ? white : black);
            rowY += metrics.height;
        }
        return;
    }
    case ControlKind::TextArea: {
        auto& area = static_cast<TTextAreaFormControlObj&>(control);
        sunken(r);
        Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        int rowY = inner.top + 2;
        for (const std::string& line : area.lines()) {
            if (rowY >= inner.bottom)
                break;
            clipped(inner, inner.left + 2, rowY + metrics.ascent, line, black);
            rowY += metrics.height;
        }
        return;
    }
    }
}

void Painter::paintRule(THorzLine& rule)
{
    int thickness = std::max(1, rule.thickness());
    int top = rule.yPosition + (rule.sectionHeight - thickness) / 2;
    Rect r = toCanvas(rule.drawX, top, rule.drawWidth, thickness);
    if (r.empty())
        return;
    if (rule.noShade()) {
        m_canvas->fillRect(r, m_dark);
        return;
    }
    // Engraved: light lower and right edges, then the dark upper and left ones, so that a rule
    // one pixel thick still shows as a dark line rather than vanishing into a light one.
    m_canvas->drawLine(r.left, r.bottom - 1, r.right - 1, r.bottom - 1, m_light);
    m_canvas->drawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1, m_light);
    m_canvas->drawLine(r.left, r.top, r.right - 1, r.top, m_dark);
    m_canvas->drawLine(r.left, r.top, r.left, r.bottom - 1, m_dark);
}

void Painter::paintTable(ThtmlTable& table, int depth)
{
    TCellObj* caption = table.caption();
    if (caption && table.captionOnTop())
        paintCell(caption->cell(), depth);
    int top = table.yPosition + ((caption && table.captionOnTop()) ? table.captionHeight : 0);
    int bodyHeight = table.sectionHeight - (caption ? table.captionHeight : 0);
    Rect area = toCanvas(table.left, top, table.tableWidth, bodyHeight);
    if (table.hasBorderColor())
        m_canvas->fillRect(area, table.borderColor());
    for (TCellList& row : table.rows()) {
        for (auto& cell : row) {
            if (!cell || !visible(cell->y, cell->height))
                continue;
            Rect box = toCanvas(cell->x, cell->y, cell->width, cell->height);
            if (cell->hasBackground())
                m_canvas->fillRect(box, cell->background());
            paintCell(cell->cell(), depth);
            if (table.border())
                frame(box, m_dark, m_light);
        }
    }
    if (table.border())
        frame(area, m_light, m_dark);
    if (caption && !table.captionOnTop())
        paintCell(caption->cell(), depth);
}

} // namespace tessera::viewer

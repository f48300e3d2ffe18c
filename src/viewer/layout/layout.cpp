#include "viewer/layout/layout.h"

#include "viewer/model/fixedsections.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/imageobj.h"
#include "viewer/model/indentmanager.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/table.h"
#include "viewer/model/viewererror.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <span>

namespace tessera::viewer {

namespace {

// Every layout pass gets a number, so that work cached on a table during one pass (its column
// widths) is never taken for another.
std::atomic<long long> g_layoutPass{0};

int clampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN / 2, INT_MAX / 2));
}

// An image or control of a section, in text order.
struct InlineObject {
    int position = 0;
    TImageObj* image = nullptr;
    TFormControlObj* control = nullptr;
    int width() const;
    int height() const;
};

int InlineObject::width() const { return image ? image->drawWidth : control->width; }
int InlineObject::height() const { return image ? image->drawHeight : control->height; }

std::vector<InlineObject> inlineObjects(TSection& section)
{
    std::vector<InlineObject> objects;
    objects.reserve(section.images().size() + section.formControls().size());
    for (const auto& image : section.images())
        objects.push_back(InlineObject{image->position(), image.get(), nullptr});
    for (const auto& control : section.formControls()) {
        if (!control->hidden())
            objects.push_back(InlineObject{control->position(), nullptr, control.get()});
    }
    std::stable_sort(objects.begin(), objects.end(),
                     [](const InlineObject& a, const InlineObject& b) { return a.position < b.position; });
    // Only objects whose placeholder is really in the text take part.
    const std::string_view text = section.text();
    std::erase_if(objects, [&text](const InlineObject& object) {
        return object.position < 0 || object.position >= static_cast<int>(text.size())
            || !isPlaceholder(text[static_cast<std::size_t>(object.position)]);
    });
    return objects;
}

int clearingHeight(ClearKind clear, const IndentManager& indents, int y)
{
    int clearY = 0;
    switch (clear) {
    case ClearKind::None:
        return 0;
    case ClearKind::Left:
        clearY = indents.GetClearY(true, false);
        break;
    case ClearKind::Right:
        clearY = indents.GetClearY(false, true);
        break;
    case ClearKind::All:
        clearY = indents.GetClearY(true, true);
        break;
    }
    return std::max(0, clearY - y);
}

} // namespace

const FontMetrics& LayoutEngine::metricsOf(const TFontObj& fontObj) { return metricsOf(*fontObj.face); }

const FontMetrics& LayoutEngine::metricsOf(TFontFace& face)
{
    FontMetrics& metrics = face.metrics;
    if (!metrics.valid || metrics.measuredBy != &m_measurer) {
        int id = m_measurer.fontId(face.font);
        metrics = m_measurer.metrics(id);
        metrics.valid = true;
        metrics.fontId = id;
        metrics.measuredBy = &m_measurer;
    }
    return metrics;
}

int LayoutEngine::runWidth(const TFontObj& font, std::string_view text)
{
    if (text.empty())
        return 0;
    const FontMetrics& metrics = metricsOf(font);
    return std::max(0, m_measurer.textWidth(metrics.fontId, text) - metrics.overhang);
}

TMyFont LayoutEngine::drawFont(const TSectionList* document, const TFontObj& fontObj)
{
    TMyFont font = fontObj.font();
    if (!fontObj.url.empty()) {
        if (document)
            font.color = document->linkColor();
        font.underline = true;
    }
    return font;
}

void LayoutEngine::sizeImage(TImageObj& image, TSectionList* document, const TFontObj* font)
{
    if (document && document->viewImages)
        document->loadImage(image);
    int width = image.specifiedWidth();
    int height = image.specifiedHeight();
    const Bitmap* bitmap = (document && document->viewImages) ? image.bitmap.get() : nullptr;
    if (bitmap) {
        if (width == 0 && height == 0) {
            width = bitmap->width;
            height = bitmap->height;
        } else if (width == 0) {
            width = clampToInt((long long)bitmap->width * height / std::max(1, bitmap->height));
        } else if (height == 0) {
            height = clampToInt((long long)bitmap->height * width / std::max(1, bitmap->width));
        }
    } else {
        // A frame with the picture's place-holder and, when there is room to spare, its ALT text.
        int altWidth = (!image.alt().empty() && font) ? runWidth(*font, image.alt()) + 24 : 0;
        if (width == 0)
            width = std::max(24, altWidth);
        if (height == 0)
            height = std::max(24, font ? metricsOf(*font).height + 8 : 24);
    }
    image.drawWidth = std::clamp(width, 1, TImageObj::kMaxDimension);
    image.drawHeight = std::clamp(height, 1, TImageObj::kMaxDimension);
}

TMyFont controlFont(ControlKind kind, const TSectionList& document)
{
    TMyFont font;
    font.setNormalSize(TEditFormControlObj::kFontSize, document.fontSize());
    font.fixed = kind == ControlKind::Edit || kind == ControlKind::TextArea;
    font.name = font.fixed ? document.preFontName() : document.fontName();
    return font;
}

void LayoutEngine::sizeControl(TFormControlObj& control, const TSectionList& document)
{
    TMyFont font = controlFont(ControlKind::Button, document);
    TMyFont fixedFont = controlFont(ControlKind::Edit, document);
    int id = m_measurer.fontId(font);
    int fixedId = m_measurer.fontId(fixedFont);
    FontMetrics metrics = m_measurer.metrics(id);
    int lineHeight = metrics.height;
    int charWidth = std::max(1, m_measurer.textWidth(fixedId, "A"));
    auto widest = [&](const std::vector<TOptionObj>& options) {
        int w = 0;
        for (const TOptionObj& option : options)
            w = std::max(w, m_measurer.textWidth(id, option.text));
        return w;
    };
    switch (control.kind()) {
    case ControlKind::Hidden:
        control.width = 0;
        control.height = 0;
        break;
    case ControlKind::Edit: {
        auto& edit = static_cast<TEditFormControlObj&>(control);
        control.width = std::min(edit.size(), TEditFormControlObj::kMaxSize) * charWidth + 5;
        control.height = lineHeight + 8;
        break;
    }
    case ControlKind::Button: {
        auto& button = static_cast<TButtonFormControlObj&>(control);
        control.width = m_measurer.textWidth(id, button.label()) + 24;
        control.height = lineHeight + 10;
        break;
    }
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        control.width = 16;
        control.height = 16;
        break;
    case ControlKind::ListBox: {
        auto& list = static_cast<TSelectFormControlObj&>(control);
        control.width = widest(list.options()) + 30;
        control.height = std::max(1, list.rows()) * lineHeight + 6;
        break;
    }
    case ControlKind::Combo: {
        auto& combo = static_cast<TSelectFormControlObj&>(control);
        control.width = widest(combo.options()) + 34;
        control.height = lineHeight + 8;
        break;
    }
    case ControlKind::TextArea: {
        auto& area = static_cast<TTextAreaFormControlObj&>(control);
        control.width = std::max(1, area.cols()) * charWidth + 24;
        control.height = std::max(1, area.rows()) * lineHeight + 8;
        break;
    }
    }
}

LayoutResult LayoutEngine::layoutDocument(TSectionList& document, int width)
{
    m_pass = ++g_layoutPass;
    width = std::max(1, width);
    LayoutResult result;
    try {
        for (const auto& form : document.forms()) {
            for (const auto& control : form->controls())
                sizeControl(*control, document);
        }
        int cursor = 0;
        result.height = layoutCell(document, 0, 0, width, cursor, result.maxWidth);
    } catch (const ViewerError&) {
        // Leave an empty, consistent document behind rather than one that fails again on
        // every resize.
        document.Clear();
        throw;
    } catch (const std::bad_alloc&) {
        document.Clear();
        throw;
    }
    return result;
}

LayoutEngine::LayoutEngine(TextMeasurer& measurer) : m_measurer(measurer) {}

LayoutEngine::~LayoutEngine() = default;

int LayoutEngine::layoutCell(TCell& cell, int x, int y, int width, int& cursor, int& maxWidth)
{
    if (m_cellDepth == m_cellIndents.size())
        m_cellIndents.push_back(std::make_unique<IndentManager>());
    IndentManager& indents = *m_cellIndents[m_cellDepth];
    struct Nesting {
        std::size_t& depth;
        ~Nesting() { --depth; }
    } nesting{++m_cellDepth};
    indents.Clear();
    indents.Reset(x, x + width);
    int height = 0;
    maxWidth = 0;
    for (auto& section : cell.sections()) {
        int sectionWidth = 0;
        height += layoutSection(*section, indents, y + height, cursor, sectionWidth);
        maxWidth = std::max(maxWidth, sectionWidth);
    }
    height = std::max(height, indents.ImageBottom() - y);
    return height;
}

int LayoutEngine::layoutSection(TSectionBase& section, IndentManager& indents, int y, int& cursor, int& width)
{
    width = 0;
    indents.dropAbove(y);
    if (section.isTextSection())
        return layoutText(static_cast<TSection&>(section), indents, y, cursor, width);
    section.yPosition = y;
    section.startCursor = cursor;
    switch (section.kind()) {
    case SectionKind::Table:
        return layoutTable(static_cast<ThtmlTable&>(section), indents, y, cursor, width);
    case SectionKind::HorzLine:
        return layoutRule(static_cast<THorzLine&>(section), indents, y, width);
    case SectionKind::BlankLine: {
        auto& line = static_cast<TBlankLine&>(section);
        indents.SetLevel(line.listLevel(), y);
        section.length = 0;
        section.sectionHeight = clearingHeight(line.clear(), indents, y) + metricsOf(*line.face()).height;
        section.drawHeight = section.sectionHeight;
        return section.sectionHeight;
    }
    default:
        section.length = 0;
        section.drawHeight = section.sectionHeight;
        return section.sectionHeight;
    }
}

int LayoutEngine::layoutRule(THorzLine& rule, IndentManager& indents, int y, int& width)
{
    rule.length = 0;
    int left = indents.LeftIndent(y);
    int space = std::max(0, indents.RightSide(y) - left);
    int w = space;
    if (rule.width() > 0)
        w = rule.percent() ? clampToInt((long long)space * rule.width() / 100) : rule.width();
    rule.drawWidth = w;
    // A rule narrower than the space is centred in it.
    rule.drawX = left + std::max(0, (space - w) / 2);
    width = rule.drawX + w - indents.leftEdge();
    rule.drawHeight = rule.sectionHeight;
    return rule.sectionHeight;
}

int LayoutEngine::layoutText(TSection& section, IndentManager& indents, int y, int& cursor, int& width)
{
    section.yPosition = y;
    section.startCursor = cursor;
    section.sectionHeight = 0;
    section.clearLines();
    indents.SetLevel(indentLevel(section), y);
    const std::string_view text = section.text();
    const int length = static_cast<int>(text.size());
    section.length = length;
    cursor += length;
    int clearHeight = clearingHeight(section.clear(), indents, y);
    width = 0;
    if (length == 0) {
        section.sectionHeight = clearHeight;
        section.drawHeight = clearHeight;
        return clearHeight;
    }

    TSectionList* document = section.master();
    TFontList& fonts = section.fonts();
    for (const TFontObj& font : fonts.items())
        metricsOf(font);
    std::vector<InlineObject> objects = inlineObjects(section);
    for (InlineObject& object : objects) {
        if (object.image)
            sizeImage(*object.image, document, fonts.fontAt(object.position));
        width = std::max(width, object.width());
    }

    const bool preformatted = section.kind() == SectionKind::PreFormated;
    const std::string_view all(text);
    // Where the placeholder bytes are, found once: searching the rest of the text for the next
    // one on every line would make a long paragraph quadratic.
    std::vector<int> placeholders;
    for (int q = 0; q < length; ++q) {
        if (isPlaceholder(text[static_cast<std::size_t>(q)]))
            placeholders.push_back(q);
    }
    auto placeholderAfter = [&placeholders, length](int q) {
        auto found = std::upper_bound(placeholders.begin(), placeholders.end(), q);
        return found == placeholders.end() ? length : *found;
    };
    int lineY = y + clearHeight;
    int height = clearHeight;
    int position = 0;
    std::size_t firstObject = 0;
    struct Placed {
        std::size_t object;
        int offset;
    };
    std::vector<Placed> placed;

    while (position < length) {
        LineRec line;
        line.start = position;
        int left = indents.LeftIndent(lineY);
        int right = preformatted ? left + kPreformattedWidth : indents.RightSide(lineY);
        int space = right - left;
        int used = 0;
        bool lineEmpty = true;
        placed.clear();
        int p = position;
        std::size_t objectIndex = firstObject;

        // Fit as much as the space takes.
        while (p < length) {
            if (objectIndex < objects.size() && objects[objectIndex].position == p) {
                InlineObject& object = objects[objectIndex];
                if (object.image && object.image->isFloating()) {
                    if (!lineEmpty)
                        break; // kept for the next line
                    bool rightSide = object.image->align() == ImageAlign::Right;
                    object.image->drawX = indents.Update(lineY, rightSide, object.width(), object.height());
                    object.image->drawY = lineY;
                    left = indents.LeftIndent(lineY);
                    right = preformatted ? left + kPreformattedWidth : indents.RightSide(lineY);
                    space = right - left;
                    ++p;
                    ++objectIndex;
                    continue;
                }
                // Every line takes at least its first item, however wide.
                if (!lineEmpty && used + object.width() > space)
                    break;
                placed.push_back(Placed{objectIndex, used});
                used += object.width();
                lineEmpty = false;
                ++p;
                ++objectIndex;
                if (used > space)
                    break;
                continue;
            }
            int runEnd = p + fonts.charsToNextChange(p, length);
            if (objectIndex < objects.size())
                runEnd = std::min(runEnd, objects[objectIndex].position);
            runEnd = std::clamp(runEnd, p + 1, length);
            // Stray placeholder bytes without an object count as nothing.
            if (isPlaceholder(text[static_cast<std::size_t>(p)])) {
                ++p;
                continue;
            }
            runEnd = std::min(runEnd, placeholderAfter(p));
            const TFontObj& font = fonts[fonts.indexAt(p)];
            const FontMetrics& metrics = font.metrics();
            int fitWidth = 0;
            int available = space - used + metrics.overhang;
            int fitted = available > 0 ? m_measurer.fitText(metrics.fontId, all.substr(p, runEnd - p), available, fitWidth) : 0;
            if (fitted > 0) {
                used += std::max(0, fitWidth - metrics.overhang);
                lineEmpty = false;
            }
            p += fitted;
            if (p < runEnd)
                break;
        }

        // Where the line ends.
        int fitEnd = p;
        int end = fitEnd;
        auto takeSpaces = [&](int from) {
            while (from < length && text[static_cast<std::size_t>(from)] == ' ')
                ++from;
            return from;
        };
        if (fitEnd >= length) {
            end = length;
        } else if (fitEnd > position && text[static_cast<std::size_t>(fitEnd - 1)] == ' ') {
            end = takeSpaces(fitEnd);
        } else if (text[static_cast<std::size_t>(fitEnd)] == ' ') {
            // The last word fits exactly.
            end = takeSpaces(fitEnd);
        } else if (isPlaceholder(text[static_cast<std::size_t>(fitEnd)]) && fitEnd > position) {
            end = fitEnd;
        } else {
            int k = fitEnd - 1;
            while (k >= position && text[static_cast<std::size_t>(k)] != ' ' && !isPlaceholder(text[static_cast<std::size_t>(k)]))
                --k;
            if (k >= position) {
                end = k + 1;
                if (text[static_cast<std::size_t>(k)] == ' ')
                    end = takeSpaces(end);
            } else {
                // A single word wider than the space: it stays whole and overflows.
                end = std::max(fitEnd, position);
                while (end < length && text[static_cast<std::size_t>(end)] != ' ' && !isPlaceholder(text[static_cast<std::size_t>(end)]))
                    ++end;
                end = takeSpaces(end);
            }
        }
        if (end <= position)
            end = nextCharBoundary(all, position);
        line.count = end - position;

        // Height and descent from the tallest font in the line.
        int firstFont = fonts.indexAt(position);
        int lastFont = fonts.indexAt(end - 1);
        for (int f = firstFont; f <= lastFont; ++f) {
            const FontMetrics& metrics = fonts[f].metrics();
            if (metrics.height > line.lineHeight) {
                line.lineHeight = metrics.height;
                line.descent = metrics.descent;
            }
        }

        // Inline images and controls make room above and below.
        for (const Placed& item : placed) {
            const InlineObject& object = objects[item.object];
            if (object.position >= end)
                continue;
            int excess = object.height() - line.lineHeight;
            if (object.control) {
                line.spaceBefore = std::max(line.spaceBefore, excess);
                continue;
            }
            switch (object.image->align()) {
            case ImageAlign::Top:
                line.spaceAfter = std::max(line.spaceAfter, excess);
                break;
            case ImageAlign::Middle:
                line.spaceBefore = std::max(line.spaceBefore, excess / 2);
                line.spaceAfter = std::max(line.spaceAfter, excess - excess / 2);
                break;
            default:
                // It stands on the baseline, so it reaches above the line by its height less
                // the ascent (and never over the line before).
                line.spaceBefore = std::max(line.spaceBefore, object.height() - (line.lineHeight - line.descent));
                break;
            }
        }

        // Line width: text, inline images and controls, without trailing spaces and floats.
        int contentEnd = end;
        while (contentEnd > position + 1 && text[static_cast<std::size_t>(contentEnd - 1)] == ' ')
            --contentEnd;
        int lineWidth = 0;
        {
            int q = position;
            std::size_t oi = firstObject;
            while (q < contentEnd) {
                if (oi < objects.size() && objects[oi].position == q) {
                    if (!(objects[oi].image && objects[oi].image->isFloating()))
                        lineWidth += objects[oi].width();
                    ++q;
                    ++oi;
                    continue;
                }
                if (isPlaceholder(text[static_cast<std::size_t>(q)])) {
                    ++q;
                    continue;
                }
                int runEnd = std::min(contentEnd, q + fonts.charsToNextChange(q, length));
                if (oi < objects.size())
                    runEnd = std::min(runEnd, objects[oi].position);
                for (int r = q + 1; r < runEnd; ++r) {
                    if (isPlaceholder(text[static_cast<std::size_t>(r)])) {
                        runEnd = r;
                        break;
                    }
                }
                runEnd = std::max(runEnd, q + 1);
                lineWidth += runWidth(fonts[fonts.indexAt(q)], all.substr(q, runEnd - q));
                q = runEnd;
            }
        }
        line.drawWidth = lineWidth;

        left = indents.LeftIndent(lineY);
        right = preformatted ? left + kPreformattedWidth : indents.RightSide(lineY);
        switch (preformatted ? Justify::Left : section.justify()) {
        case Justify::Center:
            line.lineIndent = std::max(left, (left + right - lineWidth) / 2);
            break;
        case Justify::Right:
            // Never left of the indent, where scrolling could not reach it.
            line.lineIndent = std::max(left, right - lineWidth);
            break;
        default:
            line.lineIndent = left;
            break;
        }

        // Places of the inline objects.
        int lineTop = lineY + line.spaceBefore;
        for (const Placed& item : placed) {
            const InlineObject& object = objects[item.object];
            if (object.position >= end)
                continue;
            int x = line.lineIndent + item.offset;
            if (object.control) {
                object.control->x = x;
                object.control->y = lineTop + line.lineHeight - object.height();
                continue;
            }
            object.image->drawX = x;
            switch (object.image->align()) {
            case ImageAlign::Top:
                object.image->drawY = lineTop;
                break;
            case ImageAlign::Middle:
                object.image->drawY = lineTop + (line.lineHeight - object.height()) / 2;
                break;
            default:
                object.image->drawY = lineTop + line.lineHeight - line.descent - object.height();
                break;
            }
        }

        width = std::max(width, line.lineIndent + lineWidth - indents.leftEdge());
        int advance = line.lineHeight + line.spaceBefore + line.spaceAfter;
        lineY += advance;
        height += advance;
        // The clearing height stays with the first line, so painting and hit testing that walk
        // the lines from the section's top find it.
        if (section.lines().empty())
            line.spaceBefore += clearHeight;
        section.addLine(line);
        position = end;
        while (firstObject < objects.size() && objects[firstObject].position < position)
            ++firstObject;
    }

    if (indentLevel(section) > 0)
        height = std::max(height, indents.GetLevelClear() - y);
    section.sectionHeight = height;
    section.drawHeight = std::max(height, indents.ImageBottom() - y);
    return height;
}

void LayoutEngine::sectionMinMax(TSectionBase& section, int& minWidth, int& maxWidth)
{
    minWidth = 0;
    maxWidth = 0;
    if (section.kind() == SectionKind::Table) {
        auto& table = static_cast<ThtmlTable&>(section);
        prepareTable(table);
        tableColumnWidths(table);
        long long sumMin = table.cellSpacing();
        long long sumMax = table.cellSpacing();
        for (int c = 0; c < table.numberOfColumns; ++c) {
            sumMin += table.columnMin[static_cast<std::size_t>(c)];
            sumMax += table.columnMax[static_cast<std::size_t>(c)];
        }
        minWidth = clampToInt(sumMin);
        maxWidth = clampToInt(std::max(sumMin, sumMax));
        if (table.specifiedWidth() > 0 && !table.widthPercent()) {
            minWidth = std::max(minWidth, table.specifiedWidth() + table.cellSpacing());
            maxWidth = minWidth;
        }
        const int indent = table.listLevel() * IndentManager::kListIndent;
        minWidth += indent;
        maxWidth += indent;
        return;
    }
    if (!section.isTextSection())
        return;
    auto& text = static_cast<TSection&>(section);
    const std::string_view chars = text.text();
    const std::string_view all(chars);
    const int length = static_cast<int>(chars.size());
    TFontList& fonts = text.fonts();
    for (const TFontObj& font : fonts.items())
        metricsOf(font);
    std::vector<InlineObject> objects = inlineObjects(text);
    int floats = 0;
    for (InlineObject& object : objects) {
        if (object.image)
            sizeImage(*object.image, text.master(), fonts.fontAt(object.position));
    }
    long long lineWidth = 0;
    long long wordWidth = 0;
    long long widestWord = 0;
    std::size_t oi = 0;
    int p = 0;
    while (p < length) {
        if (oi < objects.size() && objects[oi].position == p) {
            const InlineObject& object = objects[oi];
            if (object.image && object.image->isFloating()) {
                floats += object.width() + IndentManager::kImageGap;
            } else {
                widestWord = std::max(widestWord, wordWidth);
                wordWidth = 0;
                widestWord = std::max<long long>(widestWord, object.width());
                lineWidth += object.width();
            }
            ++p;
            ++oi;
            continue;
        }
        if (isPlaceholder(chars[static_cast<std::size_t>(p)])) {
            ++p;
            continue;
        }
        int runEnd = p + fonts.charsToNextChange(p, length);
        if (oi < objects.size())
            runEnd = std::min(runEnd, objects[oi].position);
        runEnd = std::clamp(runEnd, p + 1, length);
        const TFontObj& font = fonts[fonts.indexAt(p)];
        for (int r = p; r < runEnd; ++r) {
            if (isPlaceholder(chars[static_cast<std::size_t>(r)])) {
                runEnd = std::max(r, p + 1);
                break;
            }
        }
        // The whole run is measured at once, as a line measures it, so that the maximum is
        // never a rounding short of what the line needs.
        lineWidth += runWidth(font, all.substr(p, runEnd - p));
        // Split the run into words and spaces; a word may continue into the next run.
        int q = p;
        while (q < runEnd) {
            char c = chars[static_cast<std::size_t>(q)];
            if (isPlaceholder(c)) {
                runEnd = q;
                break;
            }
            int start = q;
            if (c == ' ') {
                while (q < runEnd && chars[static_cast<std::size_t>(q)] == ' ')
                    ++q;
                widestWord = std::max(widestWord, wordWidth);
                wordWidth = 0;
            } else {
                while (q < runEnd && chars[static_cast<std::size_t>(q)] != ' ' && !isPlaceholder(chars[static_cast<std::size_t>(q)]))
                    ++q;
                wordWidth += runWidth(font, all.substr(start, q - start));
            }
        }
        p = std::max(runEnd, p + 1);
    }
    widestWord = std::max(widestWord, wordWidth);
    int indent = indentLevel(text) * IndentManager::kListIndent;
    if (text.kind() == SectionKind::PreFormated) {
        maxWidth = clampToInt(lineWidth + floats + indent);
        minWidth = std::min(maxWidth, 500);
        return;
    }
    maxWidth = clampToInt(lineWidth + floats + indent);
    minWidth = clampToInt(widestWord + floats + indent);
}

void LayoutEngine::cellMinMax(TCell& cell, int& minWidth, int& maxWidth)
{
    minWidth = 0;
    maxWidth = 0;
    for (auto& section : cell.sections()) {
        int mn = 0;
        int mx = 0;
        sectionMinMax(*section, mn, mx);
        minWidth = std::max(minWidth, mn);
        maxWidth = std::max(maxWidth, mx);
    }
}

// Puts every cell in the column it occupies: a cell spanning columns leaves empty slots after
// it, and one spanning rows leaves empty slots in the rows below.
void LayoutEngine::prepareTable(ThtmlTable& table)
{
    if (table.prepared)
        return;
    TRowList& rows = table.rows();
    const int rowCount = static_cast<int>(rows.size());
    TRowList grid(static_cast<std::size_t>(rowCount), rows.get_allocator());
    // occupied[r] marks the columns taken by cells from rows above.
    std::vector<std::vector<bool>> occupied(static_cast<std::size_t>(rowCount));
    int columns = 0;
    for (int r = 0; r < rowCount; ++r) {
        TCellList& source = rows[static_cast<std::size_t>(r)];
        TCellList& target = grid[static_cast<std::size_t>(r)];
        auto& taken = occupied[static_cast<std::size_t>(r)];
        int column = 0;
        for (auto& cell : source) {
            if (!cell)
                continue;
            while (column < static_cast<int>(taken.size()) && taken[static_cast<std::size_t>(column)])
                ++column;
            if (!cell->hasBackground() && table.hasBackground())
                cell->setBackground(table.background());
            int span = cell->colSpan();
            int rowSpan = std::min(cell->rowSpan(), rowCount - r);
            cell->setRowSpan(std::max(1, rowSpan));
            if (column + span > ThtmlTable::kMaxColumns)
                throw ETooManyColumns();
            for (int below = r + 1; below < r + rowSpan; ++below) {
                auto& lower = occupied[static_cast<std::size_t>(below)];
                if (static_cast<int>(lower.size()) < column + span)
                    lower.resize(static_cast<std::size_t>(column + span), false);
                for (int c = column; c < column + span; ++c)
                    lower[static_cast<std::size_t>(c)] = true;
            }
            if (static_cast<int>(target.size()) < column + span)
                target.resize(static_cast<std::size_t>(column + span));
            target[static_cast<std::size_t>(column)] = std::move(cell);
            column += span;
        }
        columns = std::max(columns, static_cast<int>(target.size()));
        columns = std::max(columns, static_cast<int>(taken.size()));
    }
    if (columns > ThtmlTable::kMaxColumns)
        throw ETooManyColumns();
    for (TCellList& row : grid)
        row.resize(static_cast<std::size_t>(columns));
    rows = std::move(grid);
    table.numberOfColumns = columns;
    bool anyPixels = false;
    bool anyPercent = false;
    for (const TCellList& row : rows) {
        for (const auto& cell : row) {
            if (cell && cell->specifiedWidth() > 0)
                (cell->widthPercent() ? anyPercent : anyPixels) = true;
        }
    }
    table.absoluteMode = anyPixels && !anyPercent;
    table.prepared = true;
}

void LayoutEngine::tableColumnWidths(ThtmlTable& table)
{
    if (table.widthsPass == m_pass)
        return;
    const int columns = table.numberOfColumns;
    const std::size_t n = static_cast<std::size_t>(columns);
    std::vector<int> colMin(n, 0);
    std::vector<int> colMax(n, 0);
    std::vector<int> colPct(n, 0);
    std::vector<int> colFixed(n, 0);
    const int extra = 2 * table.cellPadding() + table.cellSpacing();
    struct Entry {
        TCellObj* cell;
        int column;
    };
    std::vector<Entry> entries;
    int widestSpan = 1;
    for (TCellList& row : table.rows()) {
        for (int c = 0; c < columns; ++c) {
            TCellObj* cell = row[static_cast<std::size_t>(c)].get();
            if (!cell)
                continue;
            int mn = 0;
            int mx = 0;
            cellMinMax(cell->cell(), mn, mx);
            cell->minWidth = mn + extra;
            cell->maxWidth = std::max(mn, mx) + extra;
            if (table.absoluteMode && cell->specifiedWidth() > 0 && !cell->widthPercent()) {
                // In absolute mode a WIDTH is the cell's width, but never below its content.
                int wanted = std::max(cell->minWidth, cell->specifiedWidth() + table.cellSpacing());
                cell->maxWidth = wanted;
                cell->minWidth = std::max(cell->minWidth, std::min(wanted, cell->minWidth));
            }
            entries.push_back(Entry{cell, c});
            widestSpan = std::max(widestSpan, std::min(cell->colSpan(), columns - c));
        }
    }
    for (int span = 1; span <= widestSpan; ++span) {
        for (const Entry& entry : entries) {
            TCellObj& cell = *entry.cell;
            int cellSpan = std::min(cell.colSpan(), columns - entry.column);
            if (cellSpan != span)
                continue;
            int pct = (!table.absoluteMode && cell.widthPercent()) ? cell.specifiedWidth() : 0;
            const std::size_t first = static_cast<std::size_t>(entry.column);
            if (span == 1) {
                colMin[first] = std::max(colMin[first], cell.minWidth);
                colMax[first] = std::max(colMax[first], cell.maxWidth);
                colPct[first] = std::max(colPct[first], pct);
                if (table.absoluteMode && cell.specifiedWidth() > 0)
                    colFixed[first] = std::max(colFixed[first], cell.maxWidth);
                continue;
            }
            const std::size_t last = first + static_cast<std::size_t>(span);
            long long sumPct = 0;
            bool anyPct = false;
            bool allPct = true;
            for (std::size_t c = first; c < last; ++c) {
                sumPct += colPct[c];
                anyPct = anyPct || colPct[c] > 0;
                allPct = allPct && colPct[c] > 0;
            }
            if (pct == 0 && !anyPct) {
                auto spread = [&](std::vector<int>& values, int wanted) {
                    long long sum = 0;
                    for (std::size_t c = first; c < last; ++c)
                        sum += values[c];
                    if (sum >= wanted)
                        return;
                    long long given = 0;
                    for (std::size_t c = first; c < last; ++c) {
                        long long share = sum > 0 ? (long long)wanted * values[c] / sum : wanted / span;
                        if (c + 1 == last)
                            share = wanted - given;
                        given += share;
                        values[c] = clampToInt(std::max<long long>(values[c], share));
                    }
                };
                spread(colMin, cell.minWidth);
                spread(colMax, cell.maxWidth);
                continue;
            }
            if (pct > sumPct) {
                int without = 0;
                for (std::size_t c = first; c < last; ++c)
                    without += colPct[c] == 0 ? 1 : 0;
                if (without > 0) {
                    int share = static_cast<int>((pct - sumPct) / without);
                    for (std::size_t c = first; c < last; ++c) {
                        if (colPct[c] == 0)
                            colPct[c] = share;
                    }
                } else if (allPct && sumPct > 0) {
                    for (std::size_t c = first; c < last; ++c)
                        colPct[c] = static_cast<int>((long long)colPct[c] * pct / sumPct);
                }
                sumPct = 0;
                for (std::size_t c = first; c < last; ++c)
                    sumPct += colPct[c];
            }
            for (std::size_t c = first; c < last; ++c) {
                if (sumPct <= 0)
                    break;
                colMin[c] = std::max<int>(colMin[c], static_cast<int>((long long)cell.minWidth * colPct[c] / sumPct));
                colMax[c] = std::max<int>(colMax[c], static_cast<int>((long long)cell.maxWidth * colPct[c] / sumPct));
            }
        }
    }
    for (std::size_t c = 0; c < n; ++c)
        colMax[c] = std::max(colMax[c], colMin[c]);
    table.columnMin.assign(colMin.begin(), colMin.end());
    table.columnMax.assign(colMax.begin(), colMax.end());
    table.columnPercent.assign(colPct.begin(), colPct.end());
    table.columnFixed.assign(colFixed.begin(), colFixed.end());
    table.widthsPass = m_pass;
}

void LayoutEngine::distributeColumns(ThtmlTable& table, int available)
{
    const std::size_t n = static_cast<std::size_t>(table.numberOfColumns);
    std::vector<int> colMin(table.columnMin.begin(), table.columnMin.end());
    std::vector<int> colMax(table.columnMax.begin(), table.columnMax.end());
    std::vector<int> pct(table.columnPercent.begin(), table.columnPercent.end());
    std::pmr::vector<int>& widths = table.columnWidths;
    widths.assign(n, 0);
    if (n == 0)
        return;
    const long long W = std::max(0, available);
    auto sum = [](std::span<const int> values) {
        long long s = 0;
        for (int v : values)
            s += v;
        return s;
    };
    // Shares `total` among the columns in proportion to `weights` (evenly when all are 0); the
    // last column takes the rounding rest, so the shares add up exactly.
    auto share = [&](long long total, const std::vector<long long>& weights, const std::vector<bool>& take) {
        long long weightSum = 0;
        int count = 0;
        for (std::size_t c = 0; c < n; ++c) {
            if (take[c]) {
                weightSum += weights[c];
                ++count;
            }
        }
        std::vector<long long> result(n, 0);
        if (count == 0)
            return result;
        long long given = 0;
        std::size_t lastTaken = 0;
        for (std::size_t c = 0; c < n; ++c) {
            if (!take[c])
                continue;
            result[c] = weightSum > 0 ? total * weights[c] / weightSum : total / count;
            given += result[c];
            lastTaken = c;
        }
        result[lastTaken] += total - given;
        return result;
    };

    if (table.absoluteMode) {
        // Columns a WIDTH fixes keep it; the others share what is left between their minimum
        // and maximum widths, so the table wraps its text to the window like any other.
        long long room = W;
        long long freeMin = 0;
        long long freeMax = 0;
        std::vector<bool> sized(n, false);
        std::vector<long long> weights(n, 0);
        for (std::size_t c = 0; c < n; ++c) {
            sized[c] = table.columnFixed[c] == 0;
            if (sized[c]) {
                freeMin += colMin[c];
                freeMax += colMax[c];
                weights[c] = colMax[c] - colMin[c];
            } else {
                room -= std::max(colMin[c], table.columnFixed[c]);
            }
        }
        std::vector<long long> add(n, 0);
        if (room >= freeMax)
            add = weights;
        else if (room > freeMin)
            add = share(room - freeMin, weights, sized);
        for (std::size_t c = 0; c < n; ++c)
            widths[c] = sized[c] ? colMin[c] + static_cast<int>(add[c]) : std::max(colMin[c], table.columnFixed[c]);
        if (table.specifiedWidth() > 0 && sum(widths) < W) {
            std::vector<long long> byWidth(widths.begin(), widths.end());
            std::vector<long long> spread = share(W - sum(widths), byWidth, std::vector<bool>(n, true));
            for (std::size_t c = 0; c < n; ++c)
                widths[c] += static_cast<int>(spread[c]);
        }
        return;
    }

    long long sumMin = sum(colMin);
    if (sumMin >= W) {
        widths.assign(colMin.begin(), colMin.end());
        return;
    }
    long long P = sum(pct);
    bool hasWidth = table.specifiedWidth() > 0;
    if ((P >= 1 && P <= 100) || hasWidth) {
        long long need = 0;
        long long maxWithout = 0;
        bool anyWithout = false;
        for (std::size_t c = 0; c < n; ++c) {
            if (pct[c] > 0)
                need = std::max(need, (long long)colMax[c] * 100 / pct[c]);
            else {
                maxWithout += colMax[c];
                anyWithout = true;
            }
        }
        if (anyWithout)
            need = std::max(need, P >= 100 ? 30000LL : maxWithout * 100 / (100 - P));
        if (need <= W) {
            long long total = hasWidth ? W : need;
            long long given = 0;
            std::vector<bool> without(n, false);
            std::vector<long long> weights(n, 0);
            for (std::size_t c = 0; c < n; ++c) {
                if (pct[c] > 0) {
                    widths[c] = static_cast<int>(total * pct[c] / 100);
                    given += widths[c];
                } else {
                    without[c] = true;
                    weights[c] = colMax[c];
                }
            }
            std::vector<long long> rest = share(std::max<long long>(0, total - given), weights, without);
            bool anyRest = false;
            for (std::size_t c = 0; c < n; ++c) {
                if (without[c]) {
                    widths[c] = static_cast<int>(rest[c]);
                    anyRest = true;
                }
            }
            // Percentages that leave a pixel or two of rounding go to the last column.
            if (!anyRest && hasWidth)
                widths[n - 1] += static_cast<int>(total - sum(widths));
            for (std::size_t c = 0; c < n; ++c)
                widths[c] = std::max(widths[c], colMin[c]);
            return;
        }
        // Too little room for the percentages: give up those that cannot be kept, scale the
        // others, and stop as soon as a round changes nothing.
        for (int round = 0; round < 64; ++round) {
            bool changed = false;
            for (std::size_t c = 0; c < n; ++c) {
                if (pct[c] > 0 && W * pct[c] / 100 - 1 < colMin[c]) {
                    pct[c] = 0;
                    changed = true;
                }
            }
            long long pctWidth = 0;
            long long otherMin = 0;
            long long pctSum = 0;
            for (std::size_t c = 0; c < n; ++c) {
                if (pct[c] > 0) {
                    pctWidth += W * pct[c] / 100;
                    pctSum += pct[c];
                } else {
                    otherMin += colMin[c];
                }
            }
            if (pctSum > 0 && pctWidth + otherMin > W) {
                long long room = std::max<long long>(0, W - otherMin);
                long long target = room * 100 / std::max<long long>(1, W);
                for (std::size_t c = 0; c < n; ++c) {
                    if (pct[c] > 0) {
                        int scaled = static_cast<int>((long long)pct[c] * target / pctSum);
                        if (scaled != pct[c]) {
                            pct[c] = scaled;
                            changed = true;
                        }
                    }
                }
                if (changed)
                    continue;
            }
            if (!changed || pctSum == 0) {
                for (std::size_t c = 0; c < n; ++c) {
                    if (pct[c] > 0) {
                        int w = static_cast<int>(W * pct[c] / 100);
                        colMin[c] = std::max(colMin[c], w);
                        colMax[c] = std::max(colMin[c], w);
                    }
                }
                break;
            }
        }
        sumMin = sum(colMin);
        if (sumMin >= W) {
            widths.assign(colMin.begin(), colMin.end());
            return;
        }
    }
    long long sumMax = sum(colMax);
    if (sumMax > W && sumMax != sumMin) {
        std::vector<long long> weights(n);
        for (std::size_t c = 0; c < n; ++c)
            weights[c] = colMax[c] - colMin[c];
        std::vector<long long> add = share(W - sumMin, weights, std::vector<bool>(n, true));
        for (std::size_t c = 0; c < n; ++c)
            widths[c] = colMin[c] + static_cast<int>(add[c]);
    } else {
        widths.assign(colMax.begin(), colMax.end());
    }
}

int LayoutEngine::layoutTable(ThtmlTable& table, IndentManager& indents, int y, int& cursor, int& width)
{
    prepareTable(table);
    tableColumnWidths(table);
    indents.SetLevel(table.listLevel(), y);
    const int columns = table.numberOfColumns;
    const int spacing = table.cellSpacing();
    const int padding = table.cellPadding();
    const int extra = 2 * padding + spacing;
    int left = indents.LeftIndent(y);
    int right = indents.RightSide(y);
    int space = std::max(0, right - left);
    int available = space - spacing; // the cell spacing on the right belongs to the space too
    if (table.specifiedWidth() > 0)
        available = table.widthPercent() ? clampToInt((long long)space * table.specifiedWidth() / 100)
                                         : table.specifiedWidth();
    distributeColumns(table, available);
    long long total = spacing;
    for (int w : table.columnWidths)
        total += w;
    // A caption, above or below, wraps at the table's width; the table grows (as far as the
    // space allows) so that the caption's longest word still fits under it.
    TCellObj* caption = table.caption();
    if (caption && columns > 0) {
        int captionMin = 0;
        int captionMax = 0;
        cellMinMax(caption->cell(), captionMin, captionMax);
        long long missing = std::min<long long>(captionMin, std::max<long long>(space, total)) - total;
        for (int c = 0; c < columns && missing > 0; ++c) {
            int grow = static_cast<int>(missing / (columns - c));
            table.columnWidths[static_cast<std::size_t>(c)] += grow;
            total += grow;
            missing -= grow;
        }
    }
    table.tableWidth = clampToInt(total);
    switch (table.justify()) {
    case Justify::Center:
        table.left = std::max(left, (left + right - table.tableWidth) / 2);
        break;
    case Justify::Right:
        table.left = std::max(left, right - table.tableWidth);
        break;
    default:
        table.left = left;
        break;
    }
    std::vector<int> columnX(static_cast<std::size_t>(columns) + 1, table.left);
    for (int c = 0; c < columns; ++c)
        columnX[static_cast<std::size_t>(c) + 1] = columnX[static_cast<std::size_t>(c)] + table.columnWidths[static_cast<std::size_t>(c)];

    int ignoredWidth = 0;
    int top = y;
    table.captionHeight = 0;
    auto layoutCaption = [&](int at) {
        caption->x = table.left;
        caption->y = at;
        caption->width = table.tableWidth;
        int h = layoutCell(caption->cell(), table.left, at, table.tableWidth, cursor, ignoredWidth);
        caption->height = h;
        caption->contentHeight = h;
        table.captionHeight = h;
    };
    if (caption && table.captionOnTop()) {
        layoutCaption(top);
        top += table.captionHeight;
    }

    // Every cell is laid out once, at the top of the table, in document order; rows then move
    // their cells into place. Moving instead of laying out again keeps nested tables linear.
    TRowList& rows = table.rows();
    const std::size_t rowCount = rows.size();
    table.rowHeights.assign(rowCount, 0);
    int widestSpan = 1;
    for (std::size_t r = 0; r < rowCount; ++r) {
        for (int c = 0; c < columns; ++c) {
            TCellObj* cell = rows[r][static_cast<std::size_t>(c)].get();
            if (!cell)
                continue;
            int span = std::min(cell->colSpan(), columns - c);
            cell->width = columnX[static_cast<std::size_t>(c + span)] - columnX[static_cast<std::size_t>(c)];
            int contentWidth = std::max(0, cell->width - extra);
            int contentX = columnX[static_cast<std::size_t>(c)] + spacing + padding;
            cell->contentHeight = layoutCell(cell->cell(), contentX, top, contentWidth, cursor, ignoredWidth);
            cell->x = columnX[static_cast<std::size_t>(c)] + spacing;
            widestSpan = std::max(widestSpan, cell->rowSpan());
        }
    }
    for (int span = 1; span <= widestSpan; ++span) {
        for (std::size_t r = 0; r < rowCount; ++r) {
            for (const auto& cell : rows[r]) {
                if (!cell || cell->rowSpan() != span)
                    continue;
                int needed = cell->contentHeight + extra;
                std::size_t last = std::min(rowCount, r + static_cast<std::size_t>(span)) - 1;
                long long have = 0;
                for (std::size_t k = r; k <= last; ++k)
                    have += table.rowHeights[k];
                // A cell spanning rows that needs more than they give stretches the last of them.
                if (needed > have)
                    table.rowHeights[last] += clampToInt(needed - have);
            }
        }
    }
    std::vector<int> rowY(rowCount + 1, top);
    for (std::size_t r = 0; r < rowCount; ++r)
        rowY[r + 1] = rowY[r] + table.rowHeights[r];
    for (std::size_t r = 0; r < rowCount; ++r) {
        for (const auto& cell : rows[r]) {
            if (!cell)
                continue;
            std::size_t last = std::min(rowCount, r + static_cast<std::size_t>(cell->rowSpan()));
            int cellHeight = rowY[last] - rowY[r];
            int free = std::max(0, cellHeight - cell->contentHeight - extra);
            switch (cell->vAlign()) {
            case VAlign::Top:
                cell->verticalOffset = 0;
                break;
            case VAlign::Middle:
                cell->verticalOffset = free / 2;
                break;
            case VAlign::Bottom:
                cell->verticalOffset = free;
                break;
            }
            cell->y = rowY[r] + spacing;
            cell->height = cellHeight - spacing;
            cell->width -= spacing;
            int dy = rowY[r] + spacing + padding + cell->verticalOffset - top;
            if (dy != 0)
                shiftCell(cell->cell(), dy);
        }
    }
    int bottom = rowY[rowCount] + spacing;
    if (caption && !table.captionOnTop()) {
        layoutCaption(bottom);
        bottom += table.captionHeight;
    }
    table.length = cursor - table.startCursor;
    table.sectionHeight = bottom - y;
    table.drawHeight = table.sectionHeight;
    width = table.left + table.tableWidth - indents.leftEdge();
    return table.sectionHeight;
}

void shiftSection(TSectionBase& section, int dy)
{
    section.yPosition += dy;
    if (section.isTextSection()) {
        auto& text = static_cast<TSection&>(section);
        for (auto& image : text.images())
            image->drawY += dy;
        for (const auto& control : text.formControls())
            control->y += dy;
        return;
    }
    if (section.kind() != SectionKind::Table)
        return;
    auto& table = static_cast<ThtmlTable&>(section);
    if (TCellObj* caption = table.caption()) {
        caption->y += dy;
        shiftCell(caption->cell(), dy);
    }
    for (TCellList& row : table.rows()) {
        for (auto& cell : row) {
            if (!cell)
                continue;
            cell->y += dy;
            shiftCell(cell->cell(), dy);
        }
    }
}

void shiftCell(TCell& cell, int dy)
{
    for (auto& section : cell.sections())
        shiftSection(*section, dy);
}

std::uint32_t positionValue(const TSectionList& document, int scrollY)
{
    const auto& sections = document.sections();
    if (sections.empty())
        return 0;
    // The last section whose top is at or above the scroll position.
    auto after = std::upper_bound(sections.begin(), sections.end(), scrollY,
                                  [](int y, const SectionPtr& s) { return y < s->yPosition; });
    std::size_t index = after == sections.begin() ? 0 : static_cast<std::size_t>(after - sections.begin()) - 1;
    long long offset = std::max(0LL, (long long)scrollY - sections[index].get()->yPosition);
    std::uint32_t high = static_cast<std::uint32_t>(std::min<std::size_t>(index, 0xFFFF));
    std::uint32_t low = static_cast<std::uint32_t>(std::min<long long>(offset, 0xFFFF));
    return (high << 16) | low;
}

int scrollForPosition(const TSectionList& document, std::uint32_t value)
{
    std::size_t index = value >> 16;
    int offset = static_cast<int>(value & 0xFFFF);
    if (index >= document.sections().size())
        return -1;
    return document.sections()[index]->yPosition + offset;
}

} // namespace tessera::viewer

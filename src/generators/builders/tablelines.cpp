#include "generators/builders/tablelines.h"

#include "generators/builders/generatorhelpers.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tessera::generators {

namespace {

// The star's link names a cell; a link the user wrote into a cell's text never does.
constexpr std::string_view kAnchorStart = "<A HREF=\"Cell:";
constexpr std::string_view kAnchorEnd = "</A>";
constexpr std::string_view kEmptyColour = "BGCOLOR=\"\"";

bool isCellLine(std::string_view line)
{
    return containsIgnoringCase(line, "<TH") || containsIgnoringCase(line, "<TD");
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && findIgnoringCase(a, b) == 0;
}

std::string anchor(int number)
{
    return "<A HREF=\"Cell:" + std::to_string(number) + ".\">*</A>";
}

void removeAnchor(std::string& line)
{
    const std::size_t start = findIgnoringCase(line, kAnchorStart);
    if (start == std::string::npos)
        return;
    const std::size_t end = findIgnoringCase(line, kAnchorEnd, start);
    if (end != std::string::npos)
        line.erase(start, end + kAnchorEnd.size() - start);
}

void removeEmptyColours(std::string& line)
{
    for (std::size_t found; (found = line.find(kEmptyColour)) != std::string::npos;)
        line.erase(found, kEmptyColour.size());
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// A quoted attribute value of a tag line by name: split at the double quote, each odd field is
// the value of the name that ends the field before it. Reading by name rather than by position
// keeps working when an optional attribute (a colour) is absent.
std::string attributeValue(std::string_view line, std::string_view name)
{
    const auto fieldCount = static_cast<int>(std::count(line.begin(), line.end(), '"')) + 1;
    for (int value = 1; value < fieldCount; value += 2) {
        const std::string field = fieldOf(line, '"', value - 1);
        std::string_view before = field;
        while (!before.empty() && before.back() == ' ')
            before.remove_suffix(1);
        if (!before.ends_with('='))
            continue;
        before.remove_suffix(1);
        const std::size_t wordStart = before.find_last_of(" <");
        if (upper(before.substr(wordStart == std::string_view::npos ? 0 : wordStart + 1)) == name)
            return fieldOf(line, '"', value);
    }
    return {};
}

std::string conversionError(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

// Colour digits as a BGCOLOR value: "#" and the digits, or nothing for no colour.
std::string htmlColour(std::string_view digits)
{
    return digits.empty() ? std::string() : "#" + std::string(digits);
}

std::string withoutHash(std::string value)
{
    if (value.find('#') != std::string::npos)
        value.erase(0, 1);
    return value;
}

// A cell target the wizard made: "Cell:" digits ".".
bool isCellTarget(std::string_view target)
{
    constexpr std::string_view prefix = "Cell:";
    if (target.size() < prefix.size() + 2 || !equalsIgnoringCase(target.substr(0, prefix.size()), prefix)
        || target.back() != '.')
        return false;
    const std::string_view digits = target.substr(prefix.size(), target.size() - prefix.size() - 1);
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string tableTag(const TableAttributes& a)
{
    std::string tag = "<TABLE BORDER=\"" + std::to_string(a.border) + "\" WIDTH=\"" + std::to_string(a.widthPercent)
        + "%\" " + " ALIGN=\"" + a.alignment + "\" " + " CELLPADDING=\"" + std::to_string(a.padding) + "\" "
        + " CELLSPACING=\"" + std::to_string(a.spacing) + "\" ";
    if (!a.tableColour.empty())
        tag += " BGCOLOR=\"#" + a.tableColour + "\"";
    if (!a.borderColour.empty())
        tag += " BORDERCOLOR=\"#" + a.borderColour + "\"";
    return tag + ">";
}

std::string captionLine(const TableAttributes& a)
{
    const std::string heading = "H" + std::to_string(a.captionSize);
    return "<CAPTION ALIGN=\"" + a.captionPosition + "\">" + wrapInTag(heading, a.caption) + "</CAPTION>";
}

std::string newCellLine(int anchorNumber, std::string_view colour)
{
    return "<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" BGCOLOR=\"" + std::string(colour) + "\">"
        + anchor(anchorNumber) + "Cell:" + std::to_string(anchorNumber + 1) + "</TD>";
}

bool TableLines::hasCurrentCell() const
{
    return m_currentLine > 0 && m_currentLine < static_cast<int>(m_lines.size());
}

void TableLines::build(int rows, int columns, const TableAttributes& attributes)
{
    m_modified = true;
    m_built = true;
    m_form = LinesForm::Edit;
    m_lines.clear();
    m_currentLine = -1;
    m_cellCounter = 0;
    m_lines.push_back(tableTag(attributes));
    m_lines.push_back(captionLine(attributes));
    for (int row = 0; row < rows; ++row) {
        m_lines.emplace_back("<TR>");
        for (int column = 0; column < columns; ++column)
            m_lines.push_back(newCellLine(m_cellCounter++, ""));
        m_lines.emplace_back("</TR>");
    }
    m_lines.emplace_back("</TABLE>");
}

bool TableLines::updateTable(const TableAttributes& attributes)
{
    if (!m_built || m_lines.size() < 2)
        return false;
    m_modified = true;
    m_lines[0] = tableTag(attributes);
    m_lines[1] = captionLine(attributes);
    return true;
}

ReadBack<TableCell> TableLines::selectCell(std::string_view target)
{
    if (m_form != LinesForm::Edit || !isCellTarget(target))
        return {};
    const std::string link = "HREF=\"" + std::string(target) + "\"";
    const auto found = std::find_if(m_lines.begin(), m_lines.end(),
                                    [&](const std::string& line) { return containsIgnoringCase(line, link); });
    if (found == m_lines.end())
        return {};
    const std::string& line = *found;
    TableCell cell;
    for (auto [name, value] : {std::pair {"ROWSPAN", &cell.rowSpan}, std::pair {"COLSPAN", &cell.columnSpan}}) {
        const std::string text = attributeValue(line, name);
        const std::optional<int> number = toInt(text);
        if (!number)
            return {std::nullopt, conversionError(text)};
        *value = *number;
    }
    cell.header = containsIgnoringCase(line, "<TH");
    cell.vertical = attributeValue(line, "VALIGN");
    cell.horizontal = attributeValue(line, "ALIGN");
    cell.colour = withoutHash(attributeValue(line, "BGCOLOR"));
    const std::size_t anchorEnd = findIgnoringCase(line, kAnchorEnd);
    const std::size_t textStart = anchorEnd == std::string::npos ? line.find('>') + 1 : anchorEnd + kAnchorEnd.size();
    const std::size_t textEnd = findIgnoringCase(line, cell.header ? "</TH" : "</TD", textStart);
    cell.text = line.substr(std::min(textStart, line.size()),
                            textEnd == std::string::npos ? std::string::npos : textEnd - textStart);
    m_currentLine = static_cast<int>(found - m_lines.begin());
    return {cell, {}};
}

bool TableLines::updateCell(const TableCell& cell)
{
    if (!hasCurrentCell())
        return false;
    std::string& line = m_lines[static_cast<std::size_t>(m_currentLine)];
    const std::string tag = cell.header ? "TH" : "TD";
    const std::string colour = htmlColour(cell.colour);
    line = "<" + tag + " ROWSPAN=\"" + std::to_string(cell.rowSpan) + "\" COLSPAN=\"" + std::to_string(cell.columnSpan)
        + "\" VALIGN=\"" + cell.vertical + "\" ALIGN=\"" + cell.horizontal + "\" BGCOLOR=\"" + colour
        + "\"><A HREF=\"" + attributeValue(line, "HREF") + "\">*</A>" + cell.text + "</" + tag + ">";
    m_modified = true;
    return true;
}

bool TableLines::deleteCell()
{
    if (!hasCurrentCell())
        return false;
    const auto at = static_cast<std::size_t>(m_currentLine);
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(at));
    if (at < m_lines.size() && at > 0 && equalsIgnoringCase(m_lines[at], "</TR>")
        && equalsIgnoringCase(m_lines[at - 1], "<TR>"))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(at - 1), m_lines.begin() + static_cast<std::ptrdiff_t>(at + 1));
    m_currentLine = -1;
    m_modified = true;
    return true;
}

bool TableLines::addCell(WhereToAdd where, std::string_view tableColour)
{
    if (!hasCurrentCell())
        return false;
    const int at = m_currentLine + (where == WhereToAdd::After ? 1 : 0);
    m_lines.insert(m_lines.begin() + at, newCellLine(m_cellCounter, htmlColour(tableColour)));
    if (where == WhereToAdd::Before)
        ++m_currentLine;
    ++m_cellCounter;
    m_modified = true;
    return true;
}

bool TableLines::addRow(WhereToAdd where, std::string_view tableColour)
{
    if (!hasCurrentCell())
        return false;
    const std::vector<std::string> row {"<TR>", newCellLine(m_cellCounter, htmlColour(tableColour)), "</TR>"};
    int at = -1;
    if (where == WhereToAdd::After) {
        for (int i = m_currentLine; i < static_cast<int>(m_lines.size()) && at < 0; ++i) {
            if (containsIgnoringCase(m_lines[static_cast<std::size_t>(i)], "</TR>"))
                at = i + 1;
        }
    } else {
        for (int i = m_currentLine; i >= 0 && at < 0; --i) {
            if (containsIgnoringCase(m_lines[static_cast<std::size_t>(i)], "<TR>"))
                at = i;
        }
    }
    if (at < 0)
        return false;
    m_lines.insert(m_lines.begin() + at, row.begin(), row.end());
    if (where == WhereToAdd::Before)
        m_currentLine += 3;
    ++m_cellCounter;
    m_modified = true;
    return true;
}

void TableLines::toInsertForm()
{
    m_currentLine = -1;
    m_form = LinesForm::Insert;
    for (std::string& line : m_lines) {
        if (isCellLine(line)) {
            removeAnchor(line);
            removeEmptyColours(line);
        }
    }
}

void TableLines::toEditForm()
{
    m_form = LinesForm::Edit;
    m_cellCounter = 0;
    for (std::string& line : m_lines) {
        if (!isCellLine(line))
            continue;
        removeAnchor(line);
        const std::size_t tagEnd = line.find('>');
        line.insert(tagEnd == std::string::npos ? line.size() : tagEnd + 1, anchor(m_cellCounter++));
    }
}

std::vector<std::string> TableLines::insertFormLines() const
{
    TableLines copy = *this;
    copy.toInsertForm();
    return copy.m_lines;
}

void TableLines::load(std::vector<std::string> lines)
{
    m_lines = std::move(lines);
    m_currentLine = -1;
    toEditForm();
    m_built = true;
    m_modified = false;
}

ReadBack<TableAttributes> TableLines::readTableAttributes() const
{
    if (m_lines.size() < 2)
        return {std::nullopt, "The table definition has no table tag and caption line"};
    const std::string& table = m_lines[0];
    TableAttributes a;
    std::string width = attributeValue(table, "WIDTH");
    if (width.ends_with('%'))
        width.pop_back();
    const std::pair<std::string, int*> numbers[] = {
        {attributeValue(table, "BORDER"), &a.border},
        {width, &a.widthPercent},
        {attributeValue(table, "CELLPADDING"), &a.padding},
        {attributeValue(table, "CELLSPACING"), &a.spacing},
    };
    for (const auto& [text, value] : numbers) {
        const std::optional<int> number = toInt(text);
        if (!number)
            return {std::nullopt, conversionError(text)};
        *value = *number;
    }
    a.alignment = attributeValue(table, "ALIGN");
    a.tableColour = withoutHash(attributeValue(table, "BGCOLOR"));
    a.borderColour = withoutHash(attributeValue(table, "BORDERCOLOR"));

    const std::string& caption = m_lines[1];
    a.captionPosition = attributeValue(caption, "ALIGN");
    const std::size_t open = findIgnoringCase(caption, "<H");
    const std::size_t close = findIgnoringCase(caption, "</H");
    if (open == std::string::npos || close == std::string::npos || close < open + 4 || open + 2 >= caption.size())
        return {std::nullopt, "The caption line has no heading: " + caption};
    const std::string size(1, caption[open + 2]);
    const std::optional<int> captionSize = toInt(size);
    if (!captionSize)
        return {std::nullopt, conversionError(size)};
    a.captionSize = *captionSize;
    a.caption = caption.substr(open + 4, close - open - 4);
    return {a, {}};
}

std::string cellAttributeString(const CellAttributeChoice& c)
{
    std::string attributes;
    if (c.rowSpan > 1)
        attributes += " ROWSPAN=\"" + std::to_string(c.rowSpan) + "\"";
    if (c.columnSpan > 1)
        attributes += " COLSPAN=\"" + std::to_string(c.columnSpan) + "\"";
    if (c.vertical != "none")
        attributes += " VALIGN=\"" + c.vertical + "\"";
    if (c.horizontal != "none")
        attributes += " ALIGN=\"" + c.horizontal + "\"";
    if (!c.colour.empty())
        attributes += " BGCOLOR=\"" + c.colour + "\"";
    if (c.height > 0)
        attributes += " HEIGHT=\"" + std::to_string(c.height) + (c.heightInPercent ? "%" : "") + "\"";
    if (c.width > 0)
        attributes += " WIDTH=\"" + std::to_string(c.width) + (c.widthInPercent ? "%" : "") + "\"";
    return attributes;
}

} // namespace tessera::generators

#include "generators/builders/formlines.h"

#include "generators/builders/generatorhelpers.h"

namespace tessera::generators {

namespace {

constexpr std::string_view nextCell = R"(</TD><TD VALIGN="TOP">)";

std::string preWrapped(const FormLayout& layout, const std::string& text)
{
    return layout.preformat ? wrapInTag("PRE", text) : text;
}

// In table format, a row: the opening cells, the text, and the end of the last cell.
std::string rowWrapped(const FormLayout& layout, std::string_view openingCells, const std::string& text)
{
    return layout.table ? wrapInTag("TR", std::string(openingCells) + text + "</TD>") : text;
}

// A check box or radio button: an empty first cell, the button and its caption in the second.
std::string buttonLine(const FormLayout& layout, std::string_view type, const std::string& name,
                       const std::string& value, const std::string& caption, bool checked)
{
    std::string text = R"(<INPUT TYPE=")" + std::string(type) + R"(" NAME=")" + name + R"(" VALUE=")" + value + "\"";
    if (checked)
        text += " CHECKED";
    text += "> " + caption + "<BR>";
    return rowWrapped(layout, R"(<TD></TD><TD VALIGN="TOP">)", preWrapped(layout, text));
}

// A caption and a control. In a table the caption has the first cell and the control, in PRE
// when preformatted, the second: PRE around both would span the cells.
std::string captionedLine(const FormLayout& layout, const std::string& caption, const std::string& control)
{
    if (!layout.table)
        return preWrapped(layout, caption + control);
    return rowWrapped(layout, R"(<TD VALIGN="TOP">)", caption + std::string(nextCell) + preWrapped(layout, control));
}

std::vector<std::string> listBoxLines(const FormLayout& layout, const ListBoxField& box)
{
    std::vector<std::string> lines;
    if (layout.table) {
        lines.emplace_back("<TR>");
        lines.emplace_back(R"(<TD VALIGN="TOP">)");
    }
    std::string select = R"(   <SELECT NAME=")" + box.name + "\"";
    if (box.multiple)
        select += " Multiple";
    select += " Size=" + std::to_string(box.visible) + ">";
    const std::string pre = layout.preformat ? "<PRE>" : "";
    lines.push_back(layout.table ? box.caption + std::string(nextCell) + pre + select : pre + box.caption + select);
    for (std::size_t i = 0; i < box.items.size(); ++i)
        lines.push_back((i == 0 ? "<OPTION SELECTED>" : "<OPTION>") + box.items[i]);
    lines.emplace_back("</SELECT><BR>");
    if (layout.preformat)
        lines.emplace_back("</PRE>");
    if (layout.table)
        lines.emplace_back("</TD></TR>");
    return lines;
}

std::string pageTextLine(const FormLayout& layout, const PageTextField& page)
{
    std::string text = page.text;
    if (page.bold)
        text = wrapInTag("B", text);
    if (page.italics)
        text = wrapInTag("I", text);
    if (page.underlined)
        text = wrapInTag("U", text);
    if (page.preformatted)
        text = wrapInTag("PRE", text);
    if (page.size > 0)
        text = "<FONT SIZE=" + std::to_string(page.size) + ">" + text + "</FONT>";
    text += "<BR>";
    return rowWrapped(layout, R"(<TD COLSPAN="2">)", text);
}

} // namespace

std::vector<std::string> buildItemLines(const FormField& field, const FormLayout& layout)
{
    return std::visit(
        Overloaded {
            [&](const CheckBoxField& c) -> std::vector<std::string> {
                return {buttonLine(layout, "checkbox", c.name, c.value, c.caption, c.checked)};
            },
            [&](const RadioButtonField& r) -> std::vector<std::string> {
                return {buttonLine(layout, "radio", r.group, r.value, r.caption, r.checked)};
            },
            [&](const EntryField& e) -> std::vector<std::string> {
                const std::string input = R"(  <INPUT TYPE=")" + std::string(e.password ? "password" : "text") + R"(" NAME=")"
                    + e.name + "\" SIZE=" + std::to_string(e.length) + "><BR>";
                return {captionedLine(layout, e.caption, input)};
            },
            [&](const ListBoxField& l) { return listBoxLines(layout, l); },
            [&](const TextAreaField& t) -> std::vector<std::string> {
                const std::string area = R"(<BR><TEXTAREA NAME=")" + t.name + "\" ROWS=" + std::to_string(t.rows)
                    + " COLS=" + std::to_string(t.columns) + "></TEXTAREA><BR><P>";
                return {captionedLine(layout, t.caption, area)};
            },
            [&](const PageTextField& p) -> std::vector<std::string> { return {pageTextLine(layout, p)}; },
            // A hidden field takes no room on the page, so it never gets a row of its own.
            [&](const HiddenField& h) -> std::vector<std::string> {
                return {preWrapped(layout, R"(<INPUT TYPE="HIDDEN" NAME=")" + h.name + R"(" VALUE=")" + h.value + "\">")};
            },
        },
        field);
}

std::vector<std::string> buildFormLines(const std::vector<FormField>& fields, const FormTexts& texts,
                                        const FormLayout& layout)
{
    if (fields.empty())
        return {};
    std::vector<std::string> lines {R"(<FORM METHOD="POST" ACTION="mailto:)" + texts.mailTo + "\" >"};
    if (layout.table)
        lines.emplace_back("<TABLE >");
    for (const FormField& field : fields) {
        std::vector<std::string> item = buildItemLines(field, layout);
        lines.insert(lines.end(), std::make_move_iterator(item.begin()), std::make_move_iterator(item.end()));
    }
    if (layout.table) {
        lines.emplace_back("<TR>");
        lines.emplace_back(R"(<TD COLSPAN="2">)");
    }
    lines.push_back(R"(<P ALIGN="CENTER"><INPUT TYPE="submit" VALUE=")" + texts.submit + R"("><INPUT TYPE="reset" VALUE=")"
                    + texts.reset + R"("></P>)");
    if (layout.table) {
        lines.emplace_back("</TD>");
        lines.emplace_back("</TR>");
        lines.emplace_back("</TABLE>");
    }
    lines.emplace_back("</FORM>");
    return lines;
}

} // namespace tessera::generators

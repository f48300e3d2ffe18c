#include "generators/builders/templatefields.h"

#include "generators/builders/templatemarkup.h"

#include <algorithm>
#include <charconv>

namespace tessera::generators {

namespace {

bool aligned(const std::string& alignment)
{
    return !alignment.empty() && alignment != noAlignment;
}

std::string alignAttribute(const std::string& alignment)
{
    return aligned(alignment) ? " ALIGN=\"" + alignment + "\"" : std::string();
}

std::string wrapInParagraph(const std::string& alignment, std::string html)
{
    if (!aligned(alignment))
        return html;
    return "<P ALIGN=\"" + alignment + "\">" + html + "</P>";
}

std::string oneLine(std::string_view text)
{
    std::string line;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            continue;
        line += text[at] == '\r' || text[at] == '\n' ? ' ' : text[at];
    }
    return line;
}

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

// The alignment an ALIGN value selects, as the lists write it (lower case).
std::string alignmentOf(const std::optional<std::string>& tag)
{
    if (!tag)
        return std::string(noAlignment);
    const std::optional<std::string> value = markup::attributeValue(*tag, "ALIGN");
    if (!value || value->empty())
        return std::string(noAlignment);
    std::string lower = *value;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && findIgnoringCase(text.substr(0, prefix.size()), prefix) == 0;
}

bool equalsIgnoringCase(std::string_view text, std::string_view other)
{
    return text.size() == other.size() && startsWithIgnoringCase(text, other);
}

constexpr std::string_view mailtoScheme = "mailto:";

} // namespace

std::vector<std::string> buildDefaults(const TemplateDefaults& fields)
{
    return {
        wrapInTag("TITLE", fields.title),
        "<META NAME=\"Keywords\" CONTENT=\"" + markup::quotedValue(fields.keywords) + "\">",
        "<META NAME=\"Description\" CONTENT=\"" + markup::quotedValue(fields.description) + "\">",
    };
}

std::optional<std::string> buildHeading(const TemplateHeading& fields)
{
    if (fields.text.empty())
        return std::nullopt;
    const std::string size = std::to_string(fields.size);
    std::string html = "<H" + size + alignAttribute(fields.alignment) + ">" + fields.text + "</H" + size + ">";
    if (fields.colour)
        html = "<FONT COLOR=\"#" + colourToHex(*fields.colour) + "\">" + html + "</FONT>";
    return html;
}

std::optional<std::string> buildText(const TemplateText& fields)
{
    if (fields.text.empty())
        return std::nullopt;
    std::string html = oneLine(fields.text);
    if (fields.bold)
        html = wrapInTag("B", html);
    if (fields.underline)
        html = wrapInTag("U", html);
    if (fields.italics)
        html = wrapInTag("I", html);
    return wrapInParagraph(fields.alignment, std::move(html));
}

std::string buildImage(const TemplateImage& fields)
{
    if (fields.file.empty())
        return {};
    std::string html = "<IMG SRC=\"" + markup::quotedValue(fields.file) + "\"";
    if (fields.height > 0)
        html += " HEIGHT=\"" + std::to_string(fields.height) + "\"";
    if (fields.width > 0)
        html += " WIDTH=\"" + std::to_string(fields.width) + "\"";
    return html + alignAttribute(fields.alignment) + ">";
}

std::string buildLink(const TemplateLink& fields)
{
    if (fields.url.empty())
        return {};
    std::string html = "<A HREF=\"" + std::string(fields.mailTo ? mailtoScheme : "") + markup::quotedValue(fields.url) + "\">";
    if (!fields.imageLink)
        html += fields.text;
    else if (!fields.graphic.empty())
        html += "<IMG SRC=\"" + markup::quotedValue(fields.graphic) + "\">";
    return wrapInParagraph(fields.alignment, html + "</A>");
}

std::string buildBody(const TemplateBody& fields)
{
    std::string html = "<BODY ";
    if (!fields.background.empty())
        html += "BACKGROUND=\"" + markup::quotedValue(fields.background) + "\"";
    const std::pair<const char*, const std::string*> colours[] = {
        {"TEXT", &fields.text},   {"LINK", &fields.link},      {"VLINK", &fields.visited},
        {"ALINK", &fields.active}, {"BGCOLOR", &fields.backgroundColour},
    };
    for (const auto& [name, value] : colours) {
        if (!value->empty())
            html += std::string(" ") + name + "=\"#" + *value + "\"";
    }
    if (fields.leftMargin > -1)
        html += " LEFTMARGIN=\"" + std::to_string(fields.leftMargin) + "\"";
    if (fields.rightMargin > -1)
        html += " RIGHTMARGIN=\"" + std::to_string(fields.rightMargin) + "\"";
    if (fields.fixedBackground)
        html += " BGPROPERTIES=\"FIXED\"";
    return html + ">";
}

TemplateDefaults importDefaults(const std::vector<std::string>& lines)
{
    TemplateDefaults fields;
    if (!lines.empty())
        fields.title = markup::unwrap(lines[0], {"TITLE"}).inner;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string name = markup::attributeValue(lines[i], "NAME").value_or(std::string());
        const std::string content = markup::attributeValue(lines[i], "CONTENT").value_or(std::string());
        if (equalsIgnoringCase(name, "Keywords"))
            fields.keywords = content;
        else if (equalsIgnoringCase(name, "Description"))
            fields.description = content;
    }
    return fields;
}

TemplateHeading importHeading(std::string_view line)
{
    TemplateHeading fields;
    static constexpr std::string_view sizes[] = {"H1", "H2", "H3", "H4", "H5", "H6"};
    const markup::Unwrapped parts = markup::unwrap(line, {"FONT", "H1", "H2", "H3", "H4", "H5", "H6"});
    fields.text = parts.inner;
    for (int size = 1; size <= 6; ++size) {
        if (const auto heading = parts.opener(sizes[size - 1])) {
            fields.size = size;
            fields.alignment = alignmentOf(heading);
            break;
        }
    }
    if (const auto font = parts.opener("FONT")) {
        if (const auto colour = markup::attributeValue(*font, "COLOR"); colour && !colour->empty())
            fields.colour = hexToColour(*colour);
    }
    return fields;
}

TemplateText importText(std::string_view line)
{
    TemplateText fields;
    const markup::Unwrapped parts = markup::unwrap(line, {"P", "I", "U", "B"});
    fields.text = parts.inner;
    fields.bold = parts.opener("B").has_value();
    fields.underline = parts.opener("U").has_value();
    fields.italics = parts.opener("I").has_value();
    fields.alignment = alignmentOf(parts.opener("P"));
    return fields;
}

TemplateImage importImage(std::string_view line)
{
    TemplateImage fields;
    if (markup::firstTagName(line) != "IMG")
        return fields;
    const std::string_view tag = line.substr(markup::firstTagStart(line));
    fields.file = markup::attributeValue(tag, "SRC").value_or(std::string());
    fields.width = std::max(0, number(markup::attributeValue(tag, "WIDTH").value_or(std::string())).value_or(0));
    fields.height = std::max(0, number(markup::attributeValue(tag, "HEIGHT").value_or(std::string())).value_or(0));
    fields.alignment = alignmentOf(std::string(tag));
    return fields;
}

TemplateLink importLink(std::string_view line, bool mailLink)
{
    TemplateLink fields;
    fields.mailTo = mailLink;
    const markup::Unwrapped parts = markup::unwrap(line, {"P", "A"});
    fields.alignment = alignmentOf(parts.opener("P"));
    const std::optional<std::string> anchor = parts.opener("A");
    if (!anchor)
        return fields;
    const std::string href = markup::attributeValue(*anchor, "HREF").value_or(std::string());
    if (!href.empty()) {
        fields.mailTo = startsWithIgnoringCase(href, mailtoScheme);
        fields.url = fields.mailTo ? href.substr(mailtoScheme.size()) : href;
    }
    if (markup::firstTagName(parts.inner) == "IMG") {
        fields.imageLink = true;
        fields.graphic = markup::attributeValue(parts.inner, "SRC").value_or(std::string());
    } else {
        fields.text = parts.inner;
    }
    return fields;
}

} // namespace tessera::generators

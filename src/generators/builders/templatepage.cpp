#include "generators/builders/templatepage.h"

#include "generators/builders/templatemarkup.h"

#include <algorithm>
#include <initializer_list>

namespace tessera::generators {

namespace {

constexpr std::string_view placeholderStart = "<!--##";

bool isEmptyLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool among(const std::string& name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The owned slots that still have a line of the page, in order; a slot whose line belongs to
// something else has none, and the next slot looks at that same line again.
std::vector<std::optional<int>> claimLines(const std::vector<std::string>& page, int placeholderLine, TemplateKind kind)
{
    std::vector<std::optional<int>> claimed;
    int next = placeholderLine + 1;
    for (int slot = 0; slot < ownedLineCount(kind); ++slot) {
        const bool exists = next >= 1 && next <= static_cast<int>(page.size());
        if (exists && ownsLine(kind, slot, page[next - 1])) {
            claimed.push_back(next);
            ++next;
        } else {
            claimed.push_back(std::nullopt);
        }
    }
    return claimed;
}

} // namespace

std::optional<TemplateKind> placeholderKind(std::string_view line)
{
    // "Link" before "MailLink" is safe: "<!--##Link" is not part of "<!--##MailLink".
    static constexpr std::pair<std::string_view, TemplateKind> kinds[] = {
        {"<!--##Heading", TemplateKind::Heading}, {"<!--##Defaults", TemplateKind::Defaults},
        {"<!--##Text", TemplateKind::Text},       {"<!--##Image", TemplateKind::Image},
        {"<!--##Link", TemplateKind::Link},       {"<!--##MailLink", TemplateKind::MailLink},
        {"<!--##Body", TemplateKind::Body},
    };
    for (const auto& [marker, kind] : kinds) {
        if (line.find(marker) != std::string_view::npos)
            return kind;
    }
    return std::nullopt;
}

bool holdsPlaceholder(std::string_view line)
{
    return line.find(placeholderStart) != std::string_view::npos;
}

int ownedLineCount(TemplateKind kind)
{
    return kind == TemplateKind::Defaults ? 3 : 1;
}

std::optional<int> findPlaceholder(const std::vector<std::string>& page, int fromLine, SearchDirection direction)
{
    const int count = static_cast<int>(page.size());
    const int step = direction == SearchDirection::Forward ? 1 : -1;
    for (int line = std::clamp(fromLine, 0, count + 1) + step; line >= 1 && line <= count; line += step) {
        if (holdsPlaceholder(page[line - 1]))
            return line;
    }
    return std::nullopt;
}

bool ownsLine(TemplateKind kind, int slot, std::string_view line)
{
    if (isEmptyLine(line))
        return true;
    const std::string name = markup::firstTagName(line);
    switch (kind) {
    case TemplateKind::Defaults:
        return name == (slot == 0 ? "TITLE" : "META");
    case TemplateKind::Heading:
        return among(name, {"H1", "H2", "H3", "H4", "H5", "H6", "FONT"});
    case TemplateKind::Text:
        return name.empty() || among(name, {"P", "B", "U", "I"});
    case TemplateKind::Image:
        return name == "IMG";
    case TemplateKind::Link:
    case TemplateKind::MailLink:
        return among(name, {"A", "P"});
    case TemplateKind::Body:
        return name == "BODY";
    }
    return false;
}

std::vector<std::string> ownedLines(const std::vector<std::string>& page, int placeholderLine, TemplateKind kind)
{
    std::vector<std::string> lines;
    for (const std::optional<int>& line : claimLines(page, placeholderLine, kind))
        lines.push_back(line ? page[*line - 1] : std::string());
    return lines;
}

std::optional<LineReplacement> placeWrite(const std::vector<std::string>& page, int placeholderLine, TemplateKind kind,
                                          const std::vector<std::string>& written)
{
    if (placeholderLine < 1 || placeholderLine > static_cast<int>(page.size())
        || placeholderKind(page[placeholderLine - 1]) != kind)
        return std::nullopt;
    LineReplacement replacement;
    replacement.firstLine = placeholderLine + 1;
    replacement.lines = written;
    // The claimed lines run on from the line below the placeholder, since a slot without a line
    // leaves the next slot looking at the same one: they are replaced, the rest goes before.
    const std::vector<std::optional<int>> claimed = claimLines(page, placeholderLine, kind);
    replacement.removedLines = static_cast<int>(std::count_if(claimed.begin(), claimed.end(),
                                                              [](const std::optional<int>& line) { return line.has_value(); }));
    return replacement;
}

} // namespace tessera::generators

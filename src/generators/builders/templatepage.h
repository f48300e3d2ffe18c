#pragma once

// Template placeholders in a page: comments "<!--##Kind-->" on a line of their own, each owning
// the line(s) below it that hold the HTML written for it. Lines are numbered from 1; `page`
// holds line 1 at index 0.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

enum class TemplateKind { Heading, Defaults, Text, Image, Link, MailLink, Body };

// The kind whose placeholder the line holds; nothing for a line without one or of an unknown
// kind.
std::optional<TemplateKind> placeholderKind(std::string_view line);
bool holdsPlaceholder(std::string_view line);
// How many lines below the placeholder the kind writes.
int ownedLineCount(TemplateKind kind);

enum class SearchDirection { Forward, Backward };

// The nearest line after (or before) `fromLine` that holds a placeholder of any kind.
std::optional<int> findPlaceholder(const std::vector<std::string>& page, int fromLine, SearchDirection direction);

// Whether the line may be overwritten by what the kind writes into its `slot`-th owned line:
// an empty line, or one that starts with the tags the kind itself writes.
bool ownsLine(TemplateKind kind, int slot, std::string_view line);

// The lines the placeholder on `placeholderLine` owns, one per slot; a slot whose line belongs to
// something else (or lies past the end) reads as empty.
std::vector<std::string> ownedLines(const std::vector<std::string>& page, int placeholderLine, TemplateKind kind);

// Lines [firstLine, firstLine + removedLines) become `lines`. A firstLine past the last line
// appends.
struct LineReplacement {
    int firstLine = 1;
    int removedLines = 0;
    std::vector<std::string> lines;
    bool operator==(const LineReplacement&) const = default;
};

// Where `written` (one line per owned slot) goes: over the lines the placeholder owns, and in
// front of a line it does not, which stays. Nothing when the line no longer holds a placeholder
// of that kind.
std::optional<LineReplacement> placeWrite(const std::vector<std::string>& page, int placeholderLine, TemplateKind kind,
                                          const std::vector<std::string>& written);

} // namespace tessera::generators

#pragma once

// The template wizard's fields for each kind of placeholder, the HTML line(s) built from them,
// and the fields read back from such lines. Whatever a builder writes, its importer reads back to
// the same fields, so that building again gives the same line.

#include "generators/builders/generatorhelpers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

// The alignment item that writes no ALIGN attribute.
inline constexpr std::string_view noAlignment = "none";

struct TemplateDefaults {
    std::string title;
    std::string keywords;
    std::string description;
    bool operator==(const TemplateDefaults&) const = default;
};

struct TemplateHeading {
    std::string text;
    int size = 1;
    std::string alignment {noAlignment};
    std::optional<Rgb> colour;
    bool operator==(const TemplateHeading&) const = default;
};

struct TemplateText {
    std::string text;
    bool bold = false;
    bool underline = false;
    bool italics = false;
    std::string alignment {noAlignment};
    bool operator==(const TemplateText&) const = default;
};

struct TemplateImage {
    std::string file;
    int width = 0;
    int height = 0;
    std::string alignment {noAlignment};
    bool operator==(const TemplateImage&) const = default;
};

struct TemplateLink {
    std::string url; // without "mailto:"
    std::string text;
    std::string alignment {noAlignment};
    bool mailTo = false;
    bool imageLink = false;
    std::string graphic;
    bool operator==(const TemplateLink&) const = default;
};

// Colours are the texts of their boxes, hexadecimal digits without "#"; an empty box writes no
// attribute. A margin of -1 writes none.
struct TemplateBody {
    std::string background;
    std::string text = "000000";
    std::string link = "000000";
    std::string visited = "000000";
    std::string active = "000000";
    std::string backgroundColour = "FFFFFF";
    int leftMargin = -1;
    int rightMargin = -1;
    bool fixedBackground = false;
    bool operator==(const TemplateBody&) const = default;
};

// The title, keywords and description lines.
std::vector<std::string> buildDefaults(const TemplateDefaults& fields);
// Nothing to write while the heading or the text is empty.
std::optional<std::string> buildHeading(const TemplateHeading& fields);
// A text of several lines is joined with one blank per line break, so it stays on its line.
std::optional<std::string> buildText(const TemplateText& fields);
// An empty file name or URL writes an empty line.
std::string buildImage(const TemplateImage& fields);
std::string buildLink(const TemplateLink& fields);
std::string buildBody(const TemplateBody& fields);

// Each importer takes the line(s) the placeholder owns, empty where it owns none.
TemplateDefaults importDefaults(const std::vector<std::string>& lines);
TemplateHeading importHeading(std::string_view line);
TemplateText importText(std::string_view line);
TemplateImage importImage(std::string_view line);
// `mailLink`: the placeholder asks for a mailto: link; an HREF on the line decides instead.
TemplateLink importLink(std::string_view line, bool mailLink);

} // namespace tessera::generators

#pragma once

// Reading the one-line HTML a template placeholder owns: its tags, their attributes and the text
// they wrap. Names compare ignoring case; attribute values are read as written.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators::markup {

struct Attribute {
    std::string name; // upper case
    std::string value;
};

// The attributes of the tag text "<NAME ...>". A quoted value runs to its closing quote, blanks
// and ">" included; an unquoted one stops at a blank or ">".
std::vector<Attribute> attributesOf(std::string_view tag);
// The value of the first attribute of that whole name, with "&quot;" read as a double quote.
std::optional<std::string> attributeValue(std::string_view tag, std::string_view name);

// Where the line's first tag starts; npos when it holds none.
std::size_t firstTagStart(std::string_view line);
// The upper-case name of the line's first tag ("/P" for a closing one); empty when the line
// holds no tag.
std::string firstTagName(std::string_view line);

// A line taken apart into the tags wrapped around its text, outermost first, and the text.
struct Unwrapped {
    std::vector<std::string> openers; // each opening tag's text, "<P ALIGN=\"right\">"
    std::string inner;
    // The opening tag of that name, if the text is wrapped in one.
    std::optional<std::string> opener(std::string_view name) const;
};

// Peels "<T ...>" ... "</T>" off the ends of the line while T is one of `names` and the text left
// inside still opens and closes T evenly, so "<B>a</B> and <B>b</B>" keeps its tags.
Unwrapped unwrap(std::string_view line, const std::vector<std::string_view>& names);

// Double quotes written into an attribute value as "&quot;".
std::string quotedValue(std::string_view value);

} // namespace tessera::generators::markup

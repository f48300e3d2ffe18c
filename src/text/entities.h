#pragma once

// HTML character references shared by the viewer, the typed-key filter and the spell check.

#include <optional>
#include <string_view>

namespace tessera::text {

// The character a named entity stands for (a Unicode code point), or 0 when the name is
// unknown. Names are case-sensitive.
char32_t lookupEntity(std::string_view name);
// The entity name of a Latin-1 letter (U+00C0-U+00FF), or empty (also for times and divide).
std::string_view letterEntityName(char32_t c);

// A character reference at the start of `text` ("&eacute;", "&#233;", "&#xE9;"): the character
// and the reference's length in bytes, or nothing when the text does not start with one.
struct CharacterReference {
    char32_t character = 0;
    std::size_t length = 0;
};
std::optional<CharacterReference> readCharacterReference(std::string_view text);

} // namespace tessera::text

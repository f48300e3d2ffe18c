#include "text/entities.h"

#include "text/charset.h"

#include <iterator>

namespace tessera::text {

namespace {

// Latin-1 letters from code 192 on; the empty names at 215 and 247 are never matched.
constexpr const char* kLatinLetters[] = {
    "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml",
    "Igrave", "Iacute", "Icirc", "Iuml", "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "",
    "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig",
    "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil", "egrave", "eacute", "ecirc", "euml",
    "igrave", "iacute", "icirc", "iuml", "eth", "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "",
    "oslash", "ugrave", "uacute", "ucirc", "uuml", "yacute", "thorn", "yuml",
};

// Long enough for every name above and for "#x10FFFF".
constexpr std::size_t kLongestReference = 10;

bool isAsciiAlphanumeric(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char32_t numericReference(std::string_view digits)
{
    const bool hex = !digits.empty() && (digits[0] == 'x' || digits[0] == 'X');
    if (hex)
        digits.remove_prefix(1);
    if (digits.empty())
        return 0;
    char32_t value = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return 0;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        if (value > 0x10FFFF)
            return 0;
    }
    // References 128-159 name Windows-1252 characters, as browsers read them.
    if (value >= 0x80 && value <= 0x9F)
        return windows1252ToUnicode(static_cast<unsigned char>(value));
    return value;
}

} // namespace

char32_t lookupEntity(std::string_view name)
{
    if (name == "amp")
        return '&';
    if (name == "lt")
        return '<';
    if (name == "gt")
        return '>';
    if (name == "quot")
        return '"';
    if (name == "nbsp")
        return 160;
    if (name == "copy")
        return 169;
    if (name == "reg")
        return 174;
    for (std::size_t i = 0; i < std::size(kLatinLetters); ++i) {
        if (kLatinLetters[i][0] != 0 && name == kLatinLetters[i])
            return static_cast<char32_t>(192 + i);
    }
    return 0;
}

std::string_view letterEntityName(char32_t c)
{
    if (c < 0xC0 || c > 0xFF)
        return {};
    return kLatinLetters[c - 0xC0];
}

std::optional<CharacterReference> readCharacterReference(std::string_view text)
{
    if (text.size() < 3 || text[0] != '&')
        return std::nullopt;
    std::size_t end = 1;
    if (text[end] == '#')
        ++end;
    while (end < text.size() && end <= kLongestReference && isAsciiAlphanumeric(text[end]))
        ++end;
    if (end >= text.size() || text[end] != ';')
        return std::nullopt;
    const std::string_view name = text.substr(1, end - 1);
    const char32_t c = name[0] == '#' ? numericReference(name.substr(1)) : lookupEntity(name);
    if (c == 0)
        return std::nullopt;
    return CharacterReference{c, end + 1};
}

} // namespace tessera::text

#include "spell/engine/wordscanner.h"

#include "spell/engine/codepage.h"

namespace tessera::spell {

namespace {

// Decodes one character at `position`; malformed bytes read as U+FFFD, one byte long.
char32_t decodeAt(std::string_view text, std::size_t position, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1)
        return lead < 0x80 ? lead : 0xFFFD;
    std::u32string one;
    if (position + length <= text.size() && decodeUtf8(text.substr(position, length), one) && one.size() == 1)
        return one[0];
    length = 1;
    return 0xFFFD;
}

} // namespace

bool isWordCharacter(char32_t c)
{
    if (c == U'\'' || (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
        return true;
    unsigned char byte = 0;
    return c >= 0x80 && unicodeToCp437(c, byte) && byte >= 0x80 && byte <= 0xA5;
}

bool WordScanner::next(std::string_view text, std::size_t& position, WordSpan& word)
{
    std::size_t length = 0;
    while (position < text.size()) {
        const char32_t c = decodeAt(text, position, length);
        if (m_skipHtml && c == U'<')
            m_insideTag = true;
        else if (m_skipHtml && c == U'>')
            m_insideTag = false;
        else if (!m_insideTag && isWordCharacter(c))
            break;
        position += length;
    }
    if (position >= text.size())
        return false;
    word = WordSpan{position, position, 0, true};
    while (position < text.size()) {
        const char32_t c = decodeAt(text, position, length);
        if (!isWordCharacter(c))
            break;
        if (c < U'0' || c > U'9')
            word.allDigits = false;
        position += length;
        ++word.characters;
    }
    word.end = position;
    return true;
}

} // namespace tessera::spell

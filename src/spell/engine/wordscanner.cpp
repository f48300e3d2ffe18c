#include "spell/engine/wordscanner.h"

#include "spell/engine/codepage.h"

namespace tessera::spell {

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
        const char32_t c = decodeUtf8At(text, position, length);
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
        const char32_t c = decodeUtf8At(text, position, length);
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

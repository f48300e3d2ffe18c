#include "spell/engine/wordscanner.h"

#include "spell/engine/codepage.h"
#include "text/entities.h"

namespace tessera::spell {

namespace {

constexpr char32_t kTypographicApostrophe = 0x2019;

bool isLetter(char32_t c)
{
    return (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) // Latin-1 and Latin Extended
        || c == 0xAA || c == 0xB5 || c == 0xBA
        || (c >= 0x370 && c <= 0x3FF && c != 0x37E && c != 0x387) // Greek
        || (c >= 0x400 && c <= 0x52F)                             // Cyrillic
        || (c >= 0x1E00 && c <= 0x1EFF);                          // Latin Extended Additional
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view text, std::size_t position, std::string_view prefix)
{
    if (text.size() - position < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text[position + i]) != prefix[i])
            return false;
    }
    return true;
}

// The lower-case name of the tag that starts at `position` ("<" already seen), without "/".
std::string tagName(std::string_view text, std::size_t position)
{
    std::string name;
    std::size_t i = position + 1;
    while (i < text.size() && name.size() < 8 && ((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z')))
        name.push_back(asciiLower(text[i++]));
    return name;
}

bool isRawTextElement(std::string_view name)
{
    return name == "script" || name == "style";
}

} // namespace

bool isWordCharacter(char32_t c)
{
    if (c == U'\'' || c == kTypographicApostrophe || (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z')
        || (c >= U'a' && c <= U'z') || isLetter(c))
        return true;
    unsigned char byte = 0;
    return c >= 0x80 && unicodeToCp437(c, byte) && byte >= 0x80 && byte <= 0xA5;
}

bool WordScanner::skipMarkup(std::string_view text, std::size_t& position)
{
    switch (m_state) {
    case State::Comment:
        if (startsWithIgnoringCase(text, position, "-->")) {
            position += 3;
            m_state = State::Text;
        } else {
            ++position;
        }
        return true;
    case State::RawText:
        if (startsWithIgnoringCase(text, position, "</") && tagName(text, position + 1) == m_rawElement) {
            m_rawElement.clear();
            m_state = State::Tag;
        }
        ++position;
        return true;
    case State::Tag:
        if (text[position] == '>') {
            m_state = m_pendingRawElement.empty() ? State::Text : State::RawText;
            m_rawElement = std::move(m_pendingRawElement);
            m_pendingRawElement.clear();
        }
        ++position;
        return true;
    case State::Text:
        break;
    }
    if (text[position] != '<')
        return false;
    if (startsWithIgnoringCase(text, position, "<!--")) {
        m_state = State::Comment;
        position += 4;
        return true;
    }
    const std::string name = tagName(text, position);
    if (isRawTextElement(name))
        m_pendingRawElement = name;
    m_state = State::Tag;
    ++position;
    return true;
}

char32_t WordScanner::wordCharacterAt(std::string_view text, std::size_t position, std::size_t& length) const
{
    char32_t c = decodeUtf8At(text, position, length);
    if (m_skipHtml && c == U'&') {
        const auto reference = text::readCharacterReference(text.substr(position));
        if (!reference)
            return 0;
        c = reference->character;
        length = reference->length;
    }
    return isWordCharacter(c) ? c : 0;
}

bool WordScanner::next(std::string_view text, std::size_t& position, WordSpan& word)
{
    std::size_t length = 0;
    while (position < text.size()) {
        if (m_skipHtml && skipMarkup(text, position))
            continue;
        if (wordCharacterAt(text, position, length) != 0)
            break;
        position += length;
    }
    if (position >= text.size())
        return false;
    word = WordSpan{position, position, 0, true, {}};
    while (position < text.size()) {
        const char32_t c = wordCharacterAt(text, position, length);
        if (c == 0)
            break;
        if (c < U'0' || c > U'9')
            word.allDigits = false;
        appendUtf8(word.text, c == kTypographicApostrophe ? U'\'' : c);
        position += length;
        ++word.characters;
    }
    word.end = position;
    return true;
}

std::string inSourceForm(std::string_view replacement, std::string_view source)
{
    bool references = false;
    bool typographic = false;
    for (std::size_t i = 0; i < source.size();) {
        std::size_t length = 0;
        const char32_t c = decodeUtf8At(source, i, length);
        typographic = typographic || c == kTypographicApostrophe;
        references = references || (c == U'&' && text::readCharacterReference(source.substr(i)));
        i += length;
    }
    if (!references && !typographic)
        return std::string(replacement);
    std::string out;
    for (std::size_t i = 0; i < replacement.size();) {
        std::size_t length = 0;
        const char32_t c = decodeUtf8At(replacement, i, length);
        const std::string_view name = text::letterEntityName(c);
        if (references && !name.empty())
            out.append("&").append(name).append(";");
        else if (references && c >= 0x80 && c != kTypographicApostrophe)
            out.append("&#").append(std::to_string(static_cast<unsigned long>(c))).append(";");
        else if (typographic && c == U'\'')
            appendUtf8(out, kTypographicApostrophe);
        else
            out.append(replacement.substr(i, length));
        i += length;
    }
    return out;
}

} // namespace tessera::spell

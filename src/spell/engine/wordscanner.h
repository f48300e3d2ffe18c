#pragma once

// Finds the words a spell check looks at in UTF-8 text. Word characters are the apostrophe,
// 0-9, A-Z, a-z and the accented letters of code page 437 (its bytes 0x80-0xA5). With HTML
// skipping, everything from "<" to ">" is passed over, words included.

#include <cstddef>
#include <string_view>

namespace tessera::spell {

bool isWordCharacter(char32_t c);

struct WordSpan {
    std::size_t begin = 0; // byte offsets into the scanned text
    std::size_t end = 0;
    std::size_t characters = 0;
    bool allDigits = true;
};

class WordScanner {
public:
    explicit WordScanner(bool skipHtml) : m_skipHtml(skipHtml) {}

    // Finds the next word at or after `position`; false at the end of the text. The tag state
    // carries over between calls, so a tag may span several lines.
    bool next(std::string_view text, std::size_t& position, WordSpan& word);
    bool insideTag() const { return m_insideTag; }

private:
    bool m_skipHtml;
    bool m_insideTag = false;
};

} // namespace tessera::spell

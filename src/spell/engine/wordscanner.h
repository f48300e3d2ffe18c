#pragma once

// Finds the words a spell check looks at in UTF-8 text. Word characters are the apostrophe (also
// the typographic one, read as "'"), 0-9 and letters; a letter the dictionaries cannot hold still
// belongs to its word, which is then simply unknown. With HTML skipping, tags, comments and the
// contents of script and style elements are passed over, and a character reference stands for
// its character: inside a word it is one of the word's letters, elsewhere it separates words.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessera::spell {

bool isWordCharacter(char32_t c);

struct WordSpan {
    std::size_t begin = 0; // byte offsets into the scanned text
    std::size_t end = 0;
    std::size_t characters = 0;
    bool allDigits = true;
    std::string text; // the word as read: references decoded, typographic apostrophes plain
};

class WordScanner {
public:
    explicit WordScanner(bool skipHtml) : m_skipHtml(skipHtml) {}

    // Finds the next word at or after `position`; false at the end of the text. What is being
    // skipped (a tag, a comment, a script) carries over between calls, so it may span lines.
    bool next(std::string_view text, std::size_t& position, WordSpan& word);
    bool insideTag() const { return m_state != State::Text; }

private:
    enum class State { Text, Tag, Comment, RawText };
    // Passes over markup at `position`; true when it moved on.
    bool skipMarkup(std::string_view text, std::size_t& position);
    // The word character at `position` (a reference counts as one), or 0; `length` is its size.
    char32_t wordCharacterAt(std::string_view text, std::size_t position, std::size_t& length) const;

    bool m_skipHtml;
    State m_state = State::Text;
    // Inside <SCRIPT> or <STYLE>: the element whose end tag ends the raw text.
    std::string m_rawElement;
    std::string m_pendingRawElement;
};

// Writes `replacement` the way the page wrote `source`: when the source spelled a letter as a
// character reference, the replacement's accented letters become references too; when it used
// the typographic apostrophe, so does the replacement.
std::string inSourceForm(std::string_view replacement, std::string_view source);

} // namespace tessera::spell

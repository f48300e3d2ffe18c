#pragma once

// How likely a typed word is a slip for a dictionary word: an edit distance whose steps cost
// less where people often slip (a neighbouring key, a vowel for a vowel, a doubled or dropped
// double letter, two letters swapped, a left-out apostrophe), and a rough key of how a word
// sounds, which ph/f, c/s and -ance/-ence spellings share.

#include <string>
#include <string_view>
#include <vector>

namespace tessera::spell {

// A typed word, prepared for being compared with many dictionary words. Words are lower-case, in
// code page 437.
class TypedWord {
public:
    explicit TypedWord(std::string_view typed);
    // 0 for the word itself; each ordinary edit costs 1, a likely slip less.
    double costTo(std::string_view word) const;

private:
    // Where the typed word ends with one spelling of a sound, the other spelling.
    struct Alternative {
        std::size_t end;
        std::size_t typedLength;
        std::string_view spelling;
    };
    std::string_view m_typed;
    std::string m_firstSound;
    std::vector<Alternative> m_soundsEndingAt; // in order of `end`
};

// The sound key of a lower-case word in code page 437.
std::string soundKey(std::string_view word);

} // namespace tessera::spell

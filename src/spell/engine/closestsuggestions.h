#pragma once

// The default suggestion ranking: words within two edits of the misspelling wherever they start,
// the sound-code walk's candidates from first letters that sound alike, and splits into two
// words of two letters or more; all ordered by how likely the slip is (TypedWord), with words
// that sound the same and common words first among equals.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::spell {

class TDCTFile;

struct SuggestionSources {
    const std::vector<std::unique_ptr<TDCTFile>>& dictionaries;
    // Files of the most common words; a word in none of them ranks as less common.
    const std::vector<std::unique_ptr<TDCTFile>>& commonWords;
    // Whether a lower-case word in code page 437 is known (dictionaries and user words).
    std::function<bool(std::string_view)> known;
};

// At most `maximum` words, best first, lower-case in code page 437; splits hold one space.
std::vector<std::string> closestSuggestions(const SuggestionSources& sources, std::string_view oemWord, int maximum);

} // namespace tessera::spell

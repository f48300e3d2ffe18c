#pragma once

// The ranked list one suggestion search fills, best first.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::spell {

class TDCTFile;

struct TSuggestion {
    std::string word; // lower-case, code page 437
    std::uint16_t score = 0;
};

class TSuggestList {
public:
    explicit TSuggestList(int maximum) : m_maximum(maximum) {}

    int maximum() const { return m_maximum; }
    const std::vector<TSuggestion>& entries() const { return m_entries; }

    // Inserts before the first entry with a strictly lower score (equal scores keep the order
    // they were found in), dropping the last entry when the list grows past the maximum.
    void add(std::string word, int score);

private:
    int m_maximum;
    std::vector<TSuggestion> m_entries;
};

// Walks one dictionary file for words like `oemWord` (lower-case, code page 437): candidates
// start with the word's first letter, share the beginning of its sound code and are within two
// characters of its length. Each is scored as similarityScore(candidate, oemWord).
void buildSuggestions(TDCTFile& file, std::string_view oemWord, TSuggestList& list);
// The same walk for candidates that start with `firstLetter` instead: the sound code's digits
// are compared, its first letter is not.
void buildSuggestions(TDCTFile& file, std::string_view oemWord, TSuggestList& list, unsigned char firstLetter);

// The words of the file that continue `oemPrefix` (not the prefix itself), depth first in graph
// order, at most `maximum`. Words are returned whole, in code page 437.
std::vector<std::string> completions(TDCTFile& file, std::string_view oemPrefix, int maximum);

} // namespace tessera::spell
